<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
<context>
    <name>VexoUpgrade</name>
    <message>
        <source>升级</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>注意：固件升级过程中，请勿断开相机与PC的连接，且不能断电！</source>
        <translation>注意：固件升级过程中，请勿断开相机与PC的连接，且不能断电！</translation>
    </message>
    <message>
        <source>升级文件：</source>
        <translation>升级文件：</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>刷新列表</source>
        <translation>刷新列表</translation>
    </message>
    <message>
        <source>background-color: rgb(237, 247, 255);</source>
        <translation>background-color: rgb(237, 247, 255);</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>切换语言失败</source>
        <translation>切换语言失败</translation>
    </message>
</context>
</TS>