<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
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
    <name>VexoUpgrade</name>
    <message>
        <source>升级</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>注意：固件升级过程中，请勿断开相机与PC的连接，且不能断电！</source>
        <translation>Note: do not disconnect the camera from the PC or cut its power while the firmware is being upgraded!</translation>
    </message>
    <message>
        <source>升级文件：</source>
        <translation>Upgrade file:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>刷新列表</source>
        <translation>Refresh List</translation>
    </message>
    <message>
        <source>background-color: rgb(237, 247, 255);</source>
        <translation>background-color: rgb(237, 247, 255);</translation>
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
        <source>升级成功,请断电重启相机</source>
        <translation>Upgrade succeeded. Power the camera off and on again</translation>
    </message>
    <message>
        <source>升级失败,操作失败</source>
        <translation>Upgrade failed: the operation failed</translation>
    </message>
    <message>
        <source>升级失败,升级文件不匹配</source>
        <translation>Upgrade failed: the upgrade file does not match</translation>
    </message>
    <message>
        <source>升级失败,设备已经打开</source>
        <translation>Upgrade failed: the device is already open</translation>
    </message>
    <message>
        <source>升级失败,升级文件路径错误</source>
        <translation>Upgrade failed: wrong upgrade file path</translation>
    </message>
    <message>
        <source>升级失败,设备已断开连接</source>
        <translation>Upgrade failed: the device was disconnected</translation>
    </message>
    <message>
        <source>设备名称</source>
        <translation>Device Name</translation>
    </message>
    <message>
        <source>设备类型</source>
        <translation>Device Type</translation>
    </message>
    <message>
        <source>产品系列</source>
        <translation>Product Series</translation>
    </message>
    <message>
        <source>产品名称</source>
        <translation>Product Name</translation>
    </message>
    <message>
        <source>sensor版本</source>
        <translation>Sensor Version</translation>
    </message>
    <message>
        <source>软件版本</source>
        <translation>Software Version</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
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
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>请选择相机升级文件路径</source>
        <translation>Please choose the camera upgrade file</translation>
    </message>
    <message>
        <source>固件升级中，请等待升级完成后再关闭窗口</source>
        <translation>The firmware is being upgraded; wait until it has finished before closing the window</translation>
    </message>
</context>
</TS>