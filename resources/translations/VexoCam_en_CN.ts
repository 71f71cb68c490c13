<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
<context>
    <name>AboutWidget</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CameraConnection</name>
    <message>
        <source>相机已断开，正在重新连接…</source>
        <translation>Camera disconnected, reconnecting…</translation>
    </message>
</context>
<context>
    <name>CameraListWidget</name>
    <message>
        <source>请选择设备</source>
        <translation>Select a Device</translation>
    </message>
    <message>
        <source>双击表格，即可对选择的相机进行打开！</source>
        <translation>Double-click a row to open that camera!</translation>
    </message>
    <message>
        <source>重新扫描</source>
        <translation>Rescan</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>设备名称</source>
        <translation>Device Name</translation>
    </message>
    <message>
        <source>接口类型</source>
        <comment>narrow column</comment>
        <translation>Interface</translation>
    </message>
    <message>
        <source>sensor版本</source>
        <comment>narrow column</comment>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>设备版本</source>
        <comment>narrow column</comment>
        <translation>Version</translation>
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
        <source>测试相机</source>
        <translation>Test camera</translation>
    </message>
    <message>
        <source>模拟相机</source>
        <translation>Simulated camera</translation>
    </message>
    <message>
        <source>链路</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>IP地址</source>
        <translation>IP Address</translation>
    </message>
</context>
<context>
    <name>CameraThread</name>
    <message>
        <source>全屏/窗口</source>
        <translation>Full Screen/Window</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>导航窗口</source>
        <translation>Navigator</translation>
    </message>
    <message>
        <source>拍照</source>
        <translation>Snapshot</translation>
    </message>
    <message>
        <source>录制</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>连续拍照</source>
        <translation>Continuous Capture</translation>
    </message>
    <message>
        <source>播放/暂停</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>分辨率: %1x%2 | 获取帧率: %3 | 显示帧率: %4 | 图像数：%5 | 缩放比例：%6%</source>
        <translation>Resolution: %1x%2 | Capture rate: %3 | Display rate: %4 | Frames: %5 | Zoom: %6%</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>自适应</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>原比例</source>
        <translation>Original Size</translation>
    </message>
    <message>
        <source>直方图</source>
        <translation>Histogram</translation>
    </message>
    <message>
        <source>缩放:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>相机已打开，不能重复打开</source>
        <translation>The camera is already open and cannot be opened again</translation>
    </message>
    <message>
        <source>打开相机失败, 错误码:%1</source>
        <translation>Failed to open the camera, error code: %1</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>打开失败,该窗口存在已被打开的相机</source>
        <translation>Open failed: this view already holds an open camera</translation>
    </message>
    <message>
        <source>相机已进入暂停，不再接收来自相机的图像数据</source>
        <translation>The camera is paused and no longer receives image data</translation>
    </message>
    <message>
        <source> | 丢帧: %1 | 不完整帧: %2</source>
        <translation> | Lost frames: %1 | Incomplete: %2</translation>
    </message>
    <message>
        <source> | 重发包: %1 | 丢包: %2</source>
        <translation> | Resent packets: %1 | Missing packets: %2</translation>
    </message>
</context>
<context>
    <name>CellCapture</name>
    <message>
        <source>选择</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>保存路径不存在或不可写：%1</source>
        <translation>The save folder does not exist or cannot be written: %1</translation>
    </message>
    <message>
        <source>文件名过长：%1</source>
        <translation>File name too long: %1</translation>
    </message>
    <message>
        <source>文件名前缀不能包含“/”：%1</source>
        <translation>The file name prefix must not contain "/": %1</translation>
    </message>
    <message>
        <source>SDK保存图片成功</source>
        <translation>SDK saved the picture</translation>
    </message>
    <message>
        <source>SDK保存图片失败, 错误码:%1, 文件:%2</source>
        <translation>SDK failed to save the picture, error code: %1, file: %2</translation>
    </message>
    <message>
        <source>连续抓图已停止：%1</source>
        <translation>Continuous capture stopped: %1</translation>
    </message>
    <message>
        <source>无法创建文件夹：%1</source>
        <translation>Cannot create the folder: %1</translation>
    </message>
    <message>
        <source>相机已进入连续抓图状态</source>
        <translation>The camera is capturing continuously</translation>
    </message>
    <message>
        <source>%1  已采集图片:%2</source>
        <translation>%1  pictures taken: %2</translation>
    </message>
    <message>
        <source>无法开始录像：%1</source>
        <translation>Cannot start recording: %1</translation>
    </message>
    <message>
        <source>还没有图像尺寸，请在图像显示后再试</source>
        <translation>the picture size is not known yet; try again once the picture is shown</translation>
    </message>
    <message>
        <source>帧率无效：%1</source>
        <translation>invalid frame rate: %1</translation>
    </message>
    <message>
        <source>正在录制中...</source>
        <translation>Recording...</translation>
    </message>
    <message>
        <source>录像文件未能正常结束：%1</source>
        <translation>The video file could not be finished properly: %1</translation>
    </message>
    <message>
        <source>录像已停止：%1</source>
        <translation>Recording stopped: %1</translation>
    </message>
    <message>
        <source>已写入 %1 帧，丢弃 %2 帧</source>
        <translation>%1 frames written, %2 dropped</translation>
    </message>
    <message>
        <source>为跟上帧率，编码速度设为 %1</source>
        <translation>To keep up with the frame rate, the encoder preset was %1</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>录像已保存：%1</source>
        <translation>Recording saved: %1</translation>
    </message>
    <message>
        <source>录像丢帧: %1</source>
        <translation>Recording dropped: %1</translation>
    </message>
</context>
<context>
    <name>ConfigWidget</name>
    <message>
        <source>抓图</source>
        <translation>Snapshots</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Hotkeys</translation>
    </message>
    <message>
        <source>自动存储：</source>
        <translation>Save automatically:</translation>
    </message>
    <message>
        <source>保存路径：</source>
        <translation>Save path:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>图像格式：</source>
        <translation>Image format:</translation>
    </message>
    <message>
        <source>连续抓图模式：</source>
        <translation>Continuous capture mode:</translation>
    </message>
    <message>
        <source>按数目抓取</source>
        <translation>By count</translation>
    </message>
    <message>
        <source>按时间抓取</source>
        <translation>By time</translation>
    </message>
    <message>
        <source>每</source>
        <translation>Every</translation>
    </message>
    <message>
        <source>张抓取一张</source>
        <translation>frames, take one picture</translation>
    </message>
    <message>
        <source>抓取</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>张停止抓图</source>
        <translation>pictures, then stop</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <source>时</source>
        <translation>h</translation>
    </message>
    <message>
        <source>秒抓取一张</source>
        <translation>s, take one picture</translation>
    </message>
    <message>
        <source>秒停止抓图</source>
        <translation>s, then stop</translation>
    </message>
    <message>
        <source>文件命名规则：</source>
        <translation>File naming rule:</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>时间日期</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>递增索引</source>
        <translation>Running index</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>视频格式：</source>
        <translation>Video format:</translation>
    </message>
    <message>
        <source>视频品质：</source>
        <translation>Video quality:</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>较好</source>
        <translation>Better</translation>
    </message>
    <message>
        <source>最佳</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>回放速度：</source>
        <translation>Playback speed:</translation>
    </message>
    <message>
        <source>原始帧率</source>
        <translation>Original frame rate</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>桢/秒</source>
        <translation>frames/s</translation>
    </message>
    <message>
        <source>录像命名规则：</source>
        <translation>Video naming rule:</translation>
    </message>
    <message>
        <source>日期时间</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>自适应：</source>
        <translation>Fit:</translation>
    </message>
    <message>
        <source>原比例:</source>
        <translation>Original size:</translation>
    </message>
    <message>
        <source>放大：</source>
        <translation>Zoom in:</translation>
    </message>
    <message>
        <source>缩小：</source>
        <translation>Zoom out:</translation>
    </message>
    <message>
        <source>录像：</source>
        <translation>Record:</translation>
    </message>
    <message>
        <source>拍照：</source>
        <translation>Snapshot:</translation>
    </message>
    <message>
        <source>播放/暂停：</source>
        <translation>Play/pause:</translation>
    </message>
    <message>
        <source>全屏/窗口化:</source>
        <translation>Full screen/window:</translation>
    </message>
    <message>
        <source>*与已有快捷键冲突</source>
        <translation>* Conflicts with an existing hotkey</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>重置参数成功</source>
        <translation>Parameters reset</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>设置</source>
        <comment>window</comment>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>CustomKeySequenceEdit</name>
    <message>
        <source>请按下快捷键</source>
        <translation>Press a shortcut</translation>
    </message>
</context>
<context>
    <name>CustomWindowSettingWidget</name>
    <message>
        <source>自定义画面分割</source>
        <translation>Custom View Division</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>画面分割</source>
        <translation>View Division</translation>
    </message>
    <message>
        <source>合并</source>
        <translation>Merge</translation>
    </message>
    <message>
        <source>分割</source>
        <translation>Divide</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>画面分割名称</source>
        <translation>Layout Name</translation>
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
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>创建失败，请检查名称是否重复或者为空</source>
        <translation>Creation failed: check that the name is not empty and not already used</translation>
    </message>
    <message>
        <source>此布局无法使用：%1。请选择画面分割重新划分。</source>
        <translation>This layout cannot be used: %1. Choose a division to lay it out again.</translation>
    </message>
</context>
<context>
    <name>DeviceTree</name>
    <message>
        <source>网络相机</source>
        <translation>Network Cameras</translation>
    </message>
    <message>
        <source>USB相机</source>
        <translation>USB Cameras</translation>
    </message>
    <message>
        <source>未打开</source>
        <translation>Closed</translation>
    </message>
    <message>
        <source>已断开</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>已打开</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>FeatureBrowser</name>
    <message>
        <source>按名称搜索特性</source>
        <translation>Search features by name</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>特性</source>
        <translation>Feature</translation>
    </message>
    <message>
        <source>值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>访问</source>
        <translation>Access</translation>
    </message>
    <message>
        <source>范围</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>读取相机特性失败, 错误码:%1</source>
        <translation>Reading the camera's features failed, error code: %1</translation>
    </message>
    <message>
        <source>共 %1 个特性</source>
        <translation>%1 features</translation>
    </message>
    <message>
        <source>执行</source>
        <translation>Execute</translation>
    </message>
    <message>
        <source>%1 已设为 %2</source>
        <translation>%1 set to %2</translation>
    </message>
    <message>
        <source>%1 已执行</source>
        <translation>%1 executed</translation>
    </message>
    <message>
        <source>%1 设置失败, 错误码:%2</source>
        <translation>Setting %1 failed, error code: %2</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1 设置失败, 错误码:%2
%3</source>
        <translation>Setting %1 failed, error code: %2
%3</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>整数</source>
        <translation>Integer</translation>
    </message>
    <message>
        <source>浮点数</source>
        <translation>Float</translation>
    </message>
    <message>
        <source>布尔</source>
        <translation>Boolean</translation>
    </message>
    <message>
        <source>枚举</source>
        <translation>Enumeration</translation>
    </message>
    <message>
        <source>字符串</source>
        <translation>String</translation>
    </message>
    <message>
        <source>命令</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>寄存器</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>只读</source>
        <translation>Read only</translation>
    </message>
    <message>
        <source>只写</source>
        <translation>Write only</translation>
    </message>
    <message>
        <source>读写</source>
        <translation>Read/write</translation>
    </message>
    <message>
        <source>当前不可用</source>
        <translation>Not available now</translation>
    </message>
    <message>
        <source>%1 ~ %2，步长 %3</source>
        <translation>%1 to %2, step %3</translation>
    </message>
    <message>
        <source>%1 ~ %2</source>
        <translation>%1 ~ %2</translation>
    </message>
</context>
<context>
    <name>ParameterDock</name>
    <message>
        <source>相机参数</source>
        <translation>Camera Parameters</translation>
    </message>
    <message>
        <source>参数设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>设备信息</source>
        <translation>Device Information</translation>
    </message>
    <message>
        <source>设备名称：</source>
        <translation>Device name:</translation>
    </message>
    <message>
        <source>驱动版本：</source>
        <translation>Driver version:</translation>
    </message>
    <message>
        <source>产品系列：</source>
        <translation>Product series:</translation>
    </message>
    <message>
        <source>序列号：</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>通讯类型：</source>
        <translation>Communication type:</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Firmware version:</translation>
    </message>
    <message>
        <source>设备类型：</source>
        <translation>Device type:</translation>
    </message>
    <message>
        <source>接口版本：</source>
        <translation>Interface version:</translation>
    </message>
    <message>
        <source>SDK版本：</source>
        <translation>SDK version:</translation>
    </message>
    <message>
        <source>设备昵称</source>
        <translation>Device Nickname</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>保存参数</source>
        <translation>Save Parameters</translation>
    </message>
    <message>
        <source>导出参数到文件</source>
        <translation>Export Parameters to File</translation>
    </message>
    <message>
        <source>加载参数从文件</source>
        <translation>Load Parameters from File</translation>
    </message>
    <message>
        <source>恢复默认参数</source>
        <translation>Restore Default Parameters</translation>
    </message>
    <message>
        <source>视频参数设置</source>
        <translation>Video Parameters</translation>
    </message>
    <message>
        <source>输出图像</source>
        <translation>Output Image</translation>
    </message>
    <message>
        <source>水平镜像</source>
        <translation>Horizontal Mirror</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Vertical Flip</translation>
    </message>
    <message>
        <source>帧率</source>
        <translation>Frame Rate</translation>
    </message>
    <message>
        <source>低速</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>中速</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>高速</source>
        <translation>High</translation>
    </message>
    <message>
        <source>图像处理</source>
        <translation>Image Processing</translation>
    </message>
    <message>
        <source>坏点修正</source>
        <translation>Dead Pixel Correction</translation>
    </message>
    <message>
        <source>黑白模式</source>
        <translation>Monochrome</translation>
    </message>
    <message>
        <source>底片模式</source>
        <translation>Negative Mode</translation>
    </message>
    <message>
        <source>图像调节</source>
        <translation>Image Adjustment</translation>
    </message>
    <message>
        <source>对比度：</source>
        <translation>Contrast:</translation>
    </message>
    <message>
        <source>锐度：</source>
        <translation>Sharpness:</translation>
    </message>
    <message>
        <source>饱和度：</source>
        <translation>Saturation:</translation>
    </message>
    <message>
        <source>曝光设置</source>
        <translation>Exposure Settings</translation>
    </message>
    <message>
        <source>自动曝光</source>
        <translation>Auto Exposure</translation>
    </message>
    <message>
        <source>手动曝光</source>
        <translation>Manual Exposure</translation>
    </message>
    <message>
        <source>亮度目标：</source>
        <translation>Brightness target:</translation>
    </message>
    <message>
        <source>曝光范围(毫秒)</source>
        <translation>Exposure range (ms)</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>增益范围(倍数)</source>
        <translation>Gain range (×)</translation>
    </message>
    <message>
        <source>抗闪频</source>
        <translation>Anti-Flicker</translation>
    </message>
    <message>
        <source>50Hz</source>
        <translation>50Hz</translation>
    </message>
    <message>
        <source>60Hz</source>
        <translation>60Hz</translation>
    </message>
    <message>
        <source>曝光时间（毫秒）：</source>
        <translation>Exposure time (ms):</translation>
    </message>
    <message>
        <source>模拟增益（倍数）:</source>
        <translation>Analog gain (×):</translation>
    </message>
    <message>
        <source>白平衡设置</source>
        <translation>White Balance Settings</translation>
    </message>
    <message>
        <source>自动白平衡</source>
        <translation>Auto White Balance</translation>
    </message>
    <message>
        <source>手动白平衡</source>
        <translation>Manual White Balance</translation>
    </message>
    <message>
        <source>红色：</source>
        <translation>Red:</translation>
    </message>
    <message>
        <source>倍数</source>
        <translation>×</translation>
    </message>
    <message>
        <source>绿色：</source>
        <translation>Green:</translation>
    </message>
    <message>
        <source>蓝色：</source>
        <translation>Blue:</translation>
    </message>
    <message>
        <source>一键白平衡</source>
        <translation>One-Touch White Balance</translation>
    </message>
    <message>
        <source>色温选择：</source>
        <translation>Color temperature:</translation>
    </message>
    <message>
        <source>十字线设置</source>
        <translation>Crosshair Settings</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Crosshair 1:</source>
        <translation>Crosshair 1:</translation>
    </message>
    <message>
        <source>background-color:rgb(0,0,0)</source>
        <translation>background-color:rgb(0,0,0)</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Crosshair 2:</source>
        <translation>Crosshair 2:</translation>
    </message>
    <message>
        <source>Crosshair 3:</source>
        <translation>Crosshair 3:</translation>
    </message>
    <message>
        <source>Crosshair 4:</source>
        <translation>Crosshair 4:</translation>
    </message>
    <message>
        <source>Crosshair 5:</source>
        <translation>Crosshair 5:</translation>
    </message>
    <message>
        <source>Crosshair 6:</source>
        <translation>Crosshair 6:</translation>
    </message>
    <message>
        <source>Crosshair 7:</source>
        <translation>Crosshair 7:</translation>
    </message>
    <message>
        <source>Crosshair 8:</source>
        <translation>Crosshair 8:</translation>
    </message>
    <message>
        <source>Crosshair 9:</source>
        <translation>Crosshair 9:</translation>
    </message>
    <message>
        <source>输出设置</source>
        <translation>Output Settings</translation>
    </message>
    <message>
        <source>触发模式</source>
        <translation>Trigger Mode</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>软件触发</source>
        <translation>Software Trigger</translation>
    </message>
    <message>
        <source>硬件触发</source>
        <translation>Hardware Trigger</translation>
    </message>
    <message>
        <source>触发一次</source>
        <translation>Trigger Once</translation>
    </message>
    <message>
        <source>触发参数</source>
        <translation>Trigger Parameters</translation>
    </message>
    <message>
        <source>触发延迟(微秒):</source>
        <translation>Trigger delay (µs):</translation>
    </message>
    <message>
        <source>触发一次的帧数：</source>
        <translation>Frames per trigger:</translation>
    </message>
    <message>
        <source>输入IO设置</source>
        <translation>Input IO Settings</translation>
    </message>
    <message>
        <source>输入IO：</source>
        <translation>Input IO:</translation>
    </message>
    <message>
        <source>工作模式：</source>
        <translation>Work mode:</translation>
    </message>
    <message>
        <source>触发</source>
        <translation>Trigger</translation>
    </message>
    <message>
        <source>输入IO</source>
        <translation>Input IO</translation>
    </message>
    <message>
        <source>触发方式：</source>
        <translation>Trigger type:</translation>
    </message>
    <message>
        <source>上升沿触发</source>
        <translation>Rising edge</translation>
    </message>
    <message>
        <source>下降沿触发</source>
        <translation>Falling edge</translation>
    </message>
    <message>
        <source>高电平触发</source>
        <translation>High level</translation>
    </message>
    <message>
        <source>低电平触发</source>
        <translation>Low level</translation>
    </message>
    <message>
        <source>去抖时间(微秒):</source>
        <translation>Debounce time (µs):</translation>
    </message>
    <message>
        <source>输出IO设置</source>
        <translation>Output IO Settings</translation>
    </message>
    <message>
        <source>输出IO：</source>
        <translation>Output IO:</translation>
    </message>
    <message>
        <source>闪光灯</source>
        <translation>Strobe</translation>
    </message>
    <message>
        <source>输出IO</source>
        <translation>Output IO</translation>
    </message>
    <message>
        <source>PWM</source>
        <translation>PWM</translation>
    </message>
    <message>
        <source>闪光灯模式：</source>
        <translation>Strobe mode:</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>半自动</source>
        <translation>Semi-automatic</translation>
    </message>
    <message>
        <source>有效电平：</source>
        <translation>Active level:</translation>
    </message>
    <message>
        <source>低电平</source>
        <translation>Low level</translation>
    </message>
    <message>
        <source>高电平</source>
        <translation>High level</translation>
    </message>
    <message>
        <source>延时(微秒):</source>
        <translation>Delay (µs):</translation>
    </message>
    <message>
        <source>脉冲宽度(微秒):</source>
        <translation>Pulse width (µs):</translation>
    </message>
    <message>
        <source>IO状态：</source>
        <translation>IO state:</translation>
    </message>
    <message>
        <source>PWM周期(微秒):</source>
        <translation>PWM period (µs):</translation>
    </message>
    <message>
        <source>PWM高电平时间(微秒):</source>
        <translation>PWM high time (µs):</translation>
    </message>
    <message>
        <source>分辨率设置</source>
        <translation>Resolution Settings</translation>
    </message>
    <message>
        <source>分辨率</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>ROI区域</source>
        <translation>ROI Region</translation>
    </message>
    <message>
        <source>当前区域</source>
        <translation>Current Region</translation>
    </message>
    <message>
        <source>水平偏移：</source>
        <translation>Horizontal offset:</translation>
    </message>
    <message>
        <source>垂直偏移：</source>
        <translation>Vertical offset:</translation>
    </message>
    <message>
        <source>宽度：</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>高度：</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>伽玛设置</source>
        <translation>Gamma Settings</translation>
    </message>
    <message>
        <source>动态</source>
        <translation>Dynamic</translation>
    </message>
    <message>
        <source>预置</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>伽玛：</source>
        <translation>Gamma:</translation>
    </message>
    <message>
        <source>预置LUT表:</source>
        <translation>Preset LUT:</translation>
    </message>
    <message>
        <source>GigE设置</source>
        <translation>GigE Settings</translation>
    </message>
    <message>
        <source>传输设置</source>
        <translation>Transfer Settings</translation>
    </message>
    <message>
        <source>最大传输大小(MTU):</source>
        <translation>Maximum transfer size (MTU):</translation>
    </message>
    <message>
        <source>网络包间隔时间(微秒)</source>
        <translation>Packet interval (µs)</translation>
    </message>
    <message>
        <source>为了达到最高传输效率，请设置为网卡最大传输包大小(1500-9000)。</source>
        <translation>For the best transfer rate, set this to the network adapter's largest packet size (1500-9000).</translation>
    </message>
    <message>
        <source>IP设置</source>
        <translation>IP Settings</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>固定IP</source>
        <translation>Static IP</translation>
    </message>
    <message>
        <source>IP地址：</source>
        <translation>IP address:</translation>
    </message>
    <message>
        <source>子网掩码：</source>
        <translation>Subnet mask:</translation>
    </message>
    <message>
        <source>默认网关：</source>
        <translation>Default gateway:</translation>
    </message>
    <message>
        <source>MAC地址：</source>
        <translation>MAC address:</translation>
    </message>
    <message>
        <source>特殊设置</source>
        <translation>Special Settings</translation>
    </message>
    <message>
        <source>多通道</source>
        <translation>Multiple Channels</translation>
    </message>
    <message>
        <source>手动调焦</source>
        <translation>Manual Focus</translation>
    </message>
    <message>
        <source>恢复默认值</source>
        <translation>Restore Default</translation>
    </message>
    <message>
        <source>参数保存</source>
        <translation>Save/Load</translation>
    </message>
    <message>
        <source>加载模式：</source>
        <translation>Load mode:</translation>
    </message>
    <message>
        <source>型号</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Nickname</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>Serial Number</translation>
    </message>
    <message>
        <source>参数组别：</source>
        <translation>Parameter group:</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>全部特性</source>
        <translation>All features</translation>
    </message>
</context>
<context>
    <name>ParameterPanel</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Camera config files(*.Bin *.bin)</source>
        <translation>Camera config files(*.Bin *.bin)</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>请输入设备昵称</source>
        <translation>Please enter a device nickname</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>success</translation>
    </message>
    <message>
        <source>修改设备名称成功</source>
        <translation>Device name changed</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>修改设备名称失败, 错误码:%1</source>
        <translation>Failed to change the device name, error code: %1</translation>
    </message>
    <message>
        <source>修改IP失败, 错误码:%1</source>
        <translation>Failed to change the IP address, error code: %1</translation>
    </message>
    <message>
        <source>为了达到最高传输效率，请设置为网卡最大传输包大小(1500-9000)。</source>
        <translation>For the best transfer rate, set this to the network adapter's largest packet size (1500-9000).</translation>
    </message>
    <message>
        <source>设置失败，请重新设置</source>
        <translation>Setting failed, please set it again</translation>
    </message>
    <message>
        <source>修改成功</source>
        <translation>Changed successfully</translation>
    </message>
    <message>
        <source>修改失败, 错误码:%1</source>
        <translation>Change failed, error code: %1</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>曲线1</source>
        <translation>Curve 1</translation>
    </message>
    <message>
        <source>曲线2</source>
        <translation>Curve 2</translation>
    </message>
    <message>
        <source>相机不支持LUT模式</source>
        <translation>The camera does not support LUT mode</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>特殊设置</source>
        <translation>Special Settings</translation>
    </message>
    <message>
        <source>通道%1</source>
        <translation>Channel %1</translation>
    </message>
    <message>
        <source>加载参数组%1失败：%2
相机已改用出厂默认参数。</source>
        <translation>Failed to load parameter group %1: %2
The camera now uses the factory defaults.</translation>
    </message>
    <message>
        <source>加载参数组%1失败：%2</source>
        <translation>Failed to load parameter group %1: %2</translation>
    </message>
    <message>
        <source>保存参数组%1失败：%2</source>
        <translation>Failed to save parameter group %1: %2</translation>
    </message>
    <message>
        <source>无法加载参数文件：%1
%2</source>
        <translation>Cannot load the parameter file: %1
%2</translation>
    </message>
    <message>
        <source>无法导出参数文件：%1
%2</source>
        <translation>Cannot export the parameter file: %1
%2</translation>
    </message>
    <message>
        <source>文件不存在或无法读取</source>
        <translation>the file does not exist or cannot be read</translation>
    </message>
    <message>
        <source>无法写入文件（磁盘已满、没有写权限或路径不存在）</source>
        <translation>the file cannot be written (disk full, no permission or no such folder)</translation>
    </message>
    <message>
        <source>文件已损坏或不完整，不是有效的参数文件</source>
        <translation>the file is damaged or incomplete, not a valid parameter file</translation>
    </message>
    <message>
        <source>文件属于其他型号的相机</source>
        <translation>the file belongs to another camera model</translation>
    </message>
    <message>
        <source>恢复出厂参数失败：%1</source>
        <translation>Failed to restore the factory parameters: %1</translation>
    </message>
</context>
<context>
    <name>RecordingFailureText</name>
    <message>
        <source>磁盘已满</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>文件超出文件系统允许的大小</source>
        <translation>larger than the file system allows</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>磁盘为只读</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>内存不足</source>
        <comment>cause</comment>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>帧率 %1 超出范围（1～%2）</source>
        <translation>Frame rate %1 is out of range (1 to %2)</translation>
    </message>
    <message>
        <source>图像尺寸 %1×%2 太小</source>
        <translation>Picture size %1×%2 is too small</translation>
    </message>
    <message>
        <source>此文件类型不能保存录像</source>
        <translation>This file type cannot hold a recording</translation>
    </message>
    <message>
        <source>没有此文件类型的视频编码器</source>
        <translation>No video encoder for this file type</translation>
    </message>
    <message>
        <source>无法启动视频编码器</source>
        <translation>Cannot start the video encoder</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>无法创建文件</source>
        <translation>Cannot create the file</translation>
    </message>
    <message>
        <source>无法写入文件</source>
        <translation>Cannot write the file</translation>
    </message>
    <message>
        <source>无法完成文件</source>
        <translation>Cannot complete the file</translation>
    </message>
    <message>
        <source>无法转换图像</source>
        <translation>Cannot convert the picture</translation>
    </message>
    <message>
        <source>无法编码图像</source>
        <translation>Cannot encode the picture</translation>
    </message>
    <message>
        <source>无法读取文件</source>
        <translation>Cannot read the file</translation>
    </message>
    <message>
        <source>文件中没有视频</source>
        <translation>No video in the file</translation>
    </message>
    <message>
        <source>文件中没有完整的帧</source>
        <translation>No complete frame in the file</translation>
    </message>
    <message>
        <source>修复会丢失帧</source>
        <translation>Repairing would lose frames</translation>
    </message>
    <message>
        <source>无法用修复后的文件替换原文件</source>
        <translation>Cannot put the repaired file in place of the original</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>RepairNotice</name>
    <message>
        <source>上次未正常结束的录像已修复：
%1</source>
        <translation>Recordings that did not end properly last time have been repaired:
%1</translation>
    </message>
    <message>
        <source>以下录像无法修复，文件保持原样：
%1</source>
        <translation>These recordings could not be repaired and were left as they are:
%1</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>RoiWidget</name>
    <message>
        <source>ROI设置</source>
        <translation>ROI Settings</translation>
    </message>
    <message>
        <source>刷新图片</source>
        <translation>Refresh Picture</translation>
    </message>
    <message>
        <source>从预设分辨率加载：</source>
        <translation>Load from preset resolution:</translation>
    </message>
    <message>
        <source>自定义区域</source>
        <translation>Custom Region</translation>
    </message>
    <message>
        <source>水平偏移</source>
        <translation>Horizontal offset</translation>
    </message>
    <message>
        <source>垂直偏移</source>
        <translation>Vertical offset</translation>
    </message>
    <message>
        <source>图像宽度</source>
        <translation>Image width</translation>
    </message>
    <message>
        <source>图像高度</source>
        <translation>Image height</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>Top Left</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>Top Right</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>Bottom Left</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>Bottom Right</translation>
    </message>
    <message>
        <source>最大</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>最大输入视场</source>
        <translation>Maximum Field of View</translation>
    </message>
    <message>
        <source>宽：</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>高：</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>最小输入视场</source>
        <translation>Minimum Field of View</translation>
    </message>
    <message>
        <source>宽</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高</source>
        <comment>height</comment>
        <translation>Height</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>获取分辨率失败，请重新获取</source>
        <translation>Failed to read the resolutions, please try again</translation>
    </message>
    <message>
        <source>获取失败，请重新获取</source>
        <translation>Failed to get a picture, please try again</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>设置失败，请重新设置</source>
        <translation>Setting failed, please set it again</translation>
    </message>
    <message>
        <source>设置成功</source>
        <translation>Set successfully</translation>
    </message>
    <message>
        <source>将设置为：偏移 %1, %2，尺寸 %3 × %4</source>
        <translation>Will be applied as: offset %1, %2, size %3 × %4</translation>
    </message>
</context>
<context>
    <name>SceneFrameLayout</name>
    <message>
        <source>行数或列数不在1到3之间</source>
        <translation>rows or columns outside 1 to 3</translation>
    </message>
    <message>
        <source>没有画面或画面多于9个</source>
        <translation>no frame, or more than 9</translation>
    </message>
    <message>
        <source>画面位置的文字无法识别</source>
        <translation>a frame's position text cannot be read</translation>
    </message>
    <message>
        <source>有画面超出了网格</source>
        <translation>a frame reaches beyond the grid</translation>
    </message>
    <message>
        <source>有画面相互重叠</source>
        <translation>frames overlap</translation>
    </message>
    <message>
        <source>有网格位置没有被任何画面覆盖</source>
        <translation>a place of the grid is covered by no frame</translation>
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
    <name>VexoCam</name>
    <message>
        <source>VexoCam</source>
        <translation>VexoCam</translation>
    </message>
    <message>
        <source>设备列表</source>
        <translation>Device List</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>展开</source>
        <translation>Expand</translation>
    </message>
    <message>
        <source>收起</source>
        <translation>Collapse</translation>
    </message>
    <message>
        <source>打开/关闭相机</source>
        <translation>Open/Close Camera</translation>
    </message>
    <message>
        <source>设备信息</source>
        <translation>Device Information</translation>
    </message>
    <message>
        <source>产品名称：</source>
        <translation>Product name:</translation>
    </message>
    <message>
        <source>IP地址：</source>
        <translation>IP address:</translation>
    </message>
    <message>
        <source>子网掩码：</source>
        <translation>Subnet mask:</translation>
    </message>
    <message>
        <source>接口类型：</source>
        <translation>Interface type:</translation>
    </message>
    <message>
        <source>物理地址：</source>
        <translation>Physical address:</translation>
    </message>
    <message>
        <source>相机状态：</source>
        <translation>Camera status:</translation>
    </message>
    <message>
        <source>产品系列：</source>
        <translation>Product series:</translation>
    </message>
    <message>
        <source>传感器：</source>
        <translation>Sensor:</translation>
    </message>
    <message>
        <source>设备版本：</source>
        <translation>Device version:</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Firmware version:</translation>
    </message>
    <message>
        <source>请在列表中选择相机</source>
        <translation>Select a camera in the list</translation>
    </message>
    <message>
        <source>#widget_devicewindows { background-color: rgb(32, 34, 38); }</source>
        <translation>#widget_devicewindows { background-color: rgb(32, 34, 38); }</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>打开相机</source>
        <translation>Open Camera</translation>
    </message>
    <message>
        <source>打开相机参数默认保存目录</source>
        <translation>Open the Default Camera Parameter Folder</translation>
    </message>
    <message>
        <source>抓图</source>
        <translation>Snapshots</translation>
    </message>
    <message>
        <source>录像</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Hotkeys</translation>
    </message>
    <message>
        <source>IP配置工具</source>
        <translation>IP Configuration Tool</translation>
    </message>
    <message>
        <source>升级工具</source>
        <translation>Upgrade Tool</translation>
    </message>
    <message>
        <source>帮助文档</source>
        <translation>Help Manual</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>单画面</source>
        <translation>Single View</translation>
    </message>
    <message>
        <source>四画面</source>
        <translation>Four Views</translation>
    </message>
    <message>
        <source>九画面</source>
        <translation>Nine Views</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <source>全屏显示</source>
        <translation>Show full screen</translation>
    </message>
    <message>
        <source>画面切换</source>
        <translation>Switch View</translation>
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
        <source>设置失败</source>
        <translation>Setting failed</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>打开失败,请检查程序执行目录下是否存在升级程序</source>
        <translation>Open failed: check that the upgrade program is in the program directory</translation>
    </message>
    <message>
        <source>打开失败,请检查程序执行目录下是否存在IP配置程序</source>
        <translation>Open failed: check that the IP configuration program is in the program directory</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>请检查执行目录下是否存在软件使用说明书.pdf</source>
        <translation>Check that 软件使用说明书.pdf is in the program directory</translation>
    </message>
    <message>
        <source>相机已在其它地方打开，无法关闭</source>
        <translation>The camera is open elsewhere and cannot be closed</translation>
    </message>
    <message>
        <source>相机</source>
        <comment>menu</comment>
        <translation>Camera</translation>
    </message>
    <message>
        <source>设置</source>
        <comment>menu</comment>
        <translation>Settings</translation>
    </message>
    <message>
        <source>工具</source>
        <comment>menu</comment>
        <translation>Tools</translation>
    </message>
    <message>
        <source>语言</source>
        <comment>menu</comment>
        <translation>Language</translation>
    </message>
    <message>
        <source>帮助</source>
        <comment>menu</comment>
        <translation>Help</translation>
    </message>
    <message>
        <source>没有可以打开说明书的程序：%1</source>
        <translation>No program can open the manual: %1</translation>
    </message>
    <message>
        <source>打开所在文件夹</source>
        <translation>Open containing folder</translation>
    </message>
    <message>
        <source>复制路径</source>
        <translation>Copy path</translation>
    </message>
    <message>
        <source>无法打开文件夹：%1</source>
        <translation>Cannot open the folder: %1</translation>
    </message>
</context>
<context>
    <name>histogramWidget</name>
    <message>
        <source>直方图</source>
        <translation>Histogram</translation>
    </message>
    <message>
        <source>实时数据</source>
        <translation>Live Data</translation>
    </message>
    <message>
        <source>X轴：</source>
        <translation>X axis:</translation>
    </message>
    <message>
        <source>Red：</source>
        <translation>Red:</translation>
    </message>
    <message>
        <source>Green：</source>
        <translation>Green:</translation>
    </message>
    <message>
        <source>Blue：</source>
        <translation>Blue:</translation>
    </message>
    <message>
        <source>通道</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>最大值</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>平均值</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>标准差</source>
        <comment>narrow column</comment>
        <translation>Std. Deviation</translation>
    </message>
    <message>
        <source>X轴:%1</source>
        <translation>X: %1</translation>
    </message>
</context>
</TS>