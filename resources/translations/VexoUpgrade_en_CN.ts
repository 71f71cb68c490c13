<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
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