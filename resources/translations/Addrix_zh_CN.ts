<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
<context>
    <name>Addrix</name>
    <message>
        <source>IP配置工具</source>
        <translation>IP配置工具</translation>
    </message>
    <message>
        <source>双击表格，即可对选择的相机进行IP配置！</source>
        <translation>双击表格，即可对选择的相机进行IP配置！</translation>
    </message>
    <message>
        <source>background-color: rgb(237, 247, 255);</source>
        <translation>background-color: rgb(237, 247, 255);</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>名称：</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>设置名称</source>
        <translation>设置名称</translation>
    </message>
    <message>
        <source>修改IP</source>
        <translation>修改IP</translation>
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