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
</context>
</TS>