<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
<context>
    <name>Addrix</name>
    <message>
        <source>IP配置工具</source>
        <translation>IP Configuration Tool</translation>
    </message>
    <message>
        <source>双击表格，即可对选择的相机进行IP配置！</source>
        <translation>Double-click a row to configure the IP address of that camera!</translation>
    </message>
    <message>
        <source>background-color: rgb(237, 247, 255);</source>
        <translation>background-color: rgb(237, 247, 255);</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>名称：</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>设置名称</source>
        <translation>Set Name</translation>
    </message>
    <message>
        <source>修改IP</source>
        <translation>Change IP</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>切换语言失败</source>
        <translation>Failed to switch the language</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>设备名称</source>
        <translation>Device Name</translation>
    </message>
    <message>
        <source>接口类型</source>
        <translation>Interface Type</translation>
    </message>
    <message>
        <source>sensor版本</source>
        <translation>Sensor Version</translation>
    </message>
    <message>
        <source>设备驱动</source>
        <translation>Device Driver</translation>
    </message>
    <message>
        <source>物理地址</source>
        <translation>Physical Address</translation>
    </message>
    <message>
        <source>IP配置</source>
        <translation>IP Configuration</translation>
    </message>
    <message>
        <source>IP地址</source>
        <translation>IP Address</translation>
    </message>
    <message>
        <source>子网掩码</source>
        <translation>Subnet Mask</translation>
    </message>
    <message>
        <source>默认网关</source>
        <translation>Default Gateway</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>静态IP</source>
        <translation>Static IP</translation>
    </message>
    <message>
        <source>动态IP</source>
        <translation>Dynamic IP</translation>
    </message>
    <message>
        <source>已打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>空闲</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>请选择相机</source>
        <translation>Please select a camera</translation>
    </message>
    <message>
        <source>请选择设备</source>
        <translation>Select a Device</translation>
    </message>
    <message>
        <source>相机打开失败，无法修改名称</source>
        <translation>The camera could not be opened; the name cannot be changed</translation>
    </message>
    <message>
        <source>修改名称成功</source>
        <translation>Name changed</translation>
    </message>
    <message>
        <source>修改名称失败</source>
        <translation>Failed to change the name</translation>
    </message>
</context>
<context>
    <name>IPAddress</name>
    <message>
        <source>粘贴的内容“%1”不是有效的IP地址（四个0到255的数字，以点分隔）</source>
        <translation>The pasted text "%1" is not a valid IP address (four numbers from 0 to 255 separated by dots)</translation>
    </message>
</context>
<context>
    <name>SdkStatus</name>
    <message>
        <source>成功</source>
        <translation>success</translation>
    </message>
    <message>
        <source>相机未打开或已关闭</source>
        <translation>camera not open or already closed</translation>
    </message>
    <message>
        <source>参数无效或超出范围</source>
        <translation>invalid or out-of-range value</translation>
    </message>
    <message>
        <source>相机不支持此功能或型号不匹配</source>
        <translation>not supported by this camera, or another model</translation>
    </message>
    <message>
        <source>等待超时</source>
        <translation>timed out</translation>
    </message>
    <message>
        <source>相机已断开</source>
        <translation>camera disconnected</translation>
    </message>
    <message>
        <source>找不到相机</source>
        <translation>camera not found</translation>
    </message>
    <message>
        <source>相机正忙</source>
        <translation>camera busy</translation>
    </message>
    <message>
        <source>相机已被打开</source>
        <translation>camera already opened</translation>
    </message>
    <message>
        <source>文件无法打开或读取</source>
        <translation>file cannot be opened or read</translation>
    </message>
    <message>
        <source>磁盘已满或无法写入</source>
        <translation>disk full or cannot write</translation>
    </message>
    <message>
        <source>文件已损坏、不完整或版本不符</source>
        <translation>file damaged, incomplete or of another version</translation>
    </message>
    <message>
        <source>操作失败</source>
        <translation>operation failed</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ipModify</name>
    <message>
        <source>修改IP地址</source>
        <translation>Change IP Address</translation>
    </message>
    <message>
        <source>background-color: rgb(237, 247, 255);</source>
        <translation>background-color: rgb(237, 247, 255);</translation>
    </message>
    <message>
        <source>修改IP地址使设备可达.</source>
        <translation>Change the IP address so that the device can be reached.</translation>
    </message>
    <message>
        <source>192.168.10.1 - 192.168.10.255</source>
        <translation>192.168.10.1 - 192.168.10.255</translation>
    </message>
    <message>
        <source>静态IP</source>
        <translation>Static IP</translation>
    </message>
    <message>
        <source>自动获取IP(DHCP)</source>
        <translation>Obtain an IP address automatically (DHCP)</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>IP地址:</source>
        <translation>IP address:</translation>
    </message>
    <message>
        <source>子网掩码:</source>
        <translation>Subnet mask:</translation>
    </message>
    <message>
        <source>默认网关:</source>
        <translation>Default gateway:</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>请输入完整的IP地址、子网掩码和默认网关</source>
        <translation>Please enter a complete IP address, subnet mask and default gateway</translation>
    </message>
    <message>
        <source>修改IP失败</source>
        <translation>Failed to change the IP address</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>修改IP成功。</source>
        <translation>IP address changed.</translation>
    </message>
    <message>
        <source>子网掩码 %1 无效：掩码必须由连续的1后接连续的0组成（例如 255.255.255.0）</source>
        <translation>The subnet mask %1 is invalid: a mask is a run of ones followed by zeros (for example 255.255.255.0)</translation>
    </message>
    <message>
        <source>IP地址 %1 是该子网的网络地址，不能分配给设备</source>
        <translation>The IP address %1 is the network address of its subnet and cannot be given to a device</translation>
    </message>
    <message>
        <source>IP地址 %1 是该子网的广播地址，不能分配给设备</source>
        <translation>The IP address %1 is the broadcast address of its subnet and cannot be given to a device</translation>
    </message>
    <message>
        <source>默认网关 %1 不在IP地址 %2 和子网掩码 %3 所确定的子网内</source>
        <translation>The default gateway %1 is not in the subnet of IP address %2 and subnet mask %3</translation>
    </message>
</context>
</TS>