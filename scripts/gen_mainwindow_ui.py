#!/usr/bin/env python3
"""Generates viewer/forms/vexocam.ui, the VexoCam main window form.

The form is large and regular (slider rows, caption/value rows), so it is
written here as data and turned into designer XML. Run from anywhere:
    python3 scripts/gen_mainwindow_ui.py
and commit the regenerated .ui together with the change to this script.
"""
import os
import xml.etree.ElementTree as ET

QRC = "../../resources/images.qrc"
# Promoted widgets: class, base class, header.
CUSTOM_WIDGETS = [("CustomTreeWidget", "QTreeWidget", "customtreewidget.h")]
ICO = ":/images/ICO/"


# ---- property helpers -------------------------------------------------------

def _prop(parent, name, kind, value, tag="property"):
    p = ET.SubElement(parent, tag, name=name)
    if kind == "string":
        s = ET.SubElement(p, "string")
        s.text = value
        if value == "":
            s.set("notr", "true")
    elif kind == "bool":
        ET.SubElement(p, "bool").text = "true" if value else "false"
    elif kind == "number":
        ET.SubElement(p, "number").text = str(value)
    elif kind == "double":
        ET.SubElement(p, "double").text = repr(float(value))
    elif kind in ("enum", "set", "cstring"):
        ET.SubElement(p, kind).text = value
    elif kind == "size":
        s = ET.SubElement(p, "size")
        ET.SubElement(s, "width").text = str(value[0])
        ET.SubElement(s, "height").text = str(value[1])
    elif kind == "rect":
        r = ET.SubElement(p, "rect")
        for k, v in zip(("x", "y", "width", "height"), value):
            ET.SubElement(r, k).text = str(v)
    elif kind == "icon":
        i = ET.SubElement(p, "iconset", resource=QRC)
        i.text = ICO + value
    elif kind == "pixmap":
        i = ET.SubElement(p, "pixmap", resource=QRC)
        i.text = ICO + value
    elif kind == "sizepolicy":
        sp = ET.SubElement(p, "sizepolicy", hsizetype=value[0], vsizetype=value[1])
        ET.SubElement(sp, "horstretch").text = str(value[2] if len(value) > 2 else 0)
        ET.SubElement(sp, "verstretch").text = str(value[3] if len(value) > 3 else 0)
    else:
        raise ValueError(kind)
    return p


def _guess(value):
    if isinstance(value, bool):
        return "bool"
    if isinstance(value, int):
        return "number"
    if isinstance(value, float):
        return "double"
    if isinstance(value, tuple) and len(value) == 2 and all(isinstance(v, int) for v in value):
        return "size"
    return "string"


class W:
    """A widget: class, object name, properties, an optional layout or children."""

    def __init__(self, cls, name, layout=None, children=(), attrs=None, items=(), **props):
        self.cls, self.name, self.layout = cls, name, layout
        self.children, self.attrs, self.items, self.props = list(children), attrs or {}, items, props

    def xml(self, parent):
        e = ET.SubElement(parent, "widget", {"class": self.cls, "name": self.name})
        for k, v in self.attrs.items():
            if isinstance(v, tuple) and v[0] == "icon":
                _prop(e, k, "icon", v[1], tag="attribute")
            else:
                _prop(e, k, _guess(v), v, tag="attribute")
        for k, v in self.props.items():
            if isinstance(v, tuple) and v and v[0] in ("enum", "set", "icon", "pixmap", "sizepolicy", "rect", "cstring"):
                _prop(e, k, v[0], v[1] if len(v) == 2 else v[1:])
            else:
                _prop(e, k, _guess(v), v)
        if self.cls in ("QTreeWidget", "CustomTreeWidget"):
            col = ET.SubElement(e, "column")
            _prop(col, "text", "string", "")
        for text in self.items:
            it = ET.SubElement(e, "item")
            _prop(it, "text", "string", text)
        if self.layout is not None:
            self.layout.xml(e)
        for c in self.children:
            c.xml(e)
        return e


class Spacer:
    count = 0

    def __init__(self, orientation="Qt::Vertical", size=(20, 40), policy="QSizePolicy::Expanding", name=None):
        Spacer.count += 1
        self.name = name or "spacer_%d" % Spacer.count
        self.orientation, self.size, self.policy = orientation, size, policy

    def xml(self, parent):
        e = ET.SubElement(parent, "spacer", name=self.name)
        _prop(e, "orientation", "enum", self.orientation)
        _prop(e, "sizeType", "enum", self.policy)
        _prop(e, "sizeHint", "size", self.size)
        return e


def vspacer():
    return Spacer()


def hspacer():
    return Spacer("Qt::Horizontal", (40, 20))


class L:
    """A layout. Items are widgets, layouts or spacers; for grid and form
    layouts an item is (thing, row, column[, rowspan, colspan])."""

    count = {}

    def __init__(self, cls, items, name=None, spacing=None, margins=None, columnStretch=None, stretch=None, **props):
        if name is None:
            base = {"QVBoxLayout": "verticalLayout", "QHBoxLayout": "horizontalLayout",
                    "QGridLayout": "gridLayout", "QFormLayout": "formLayout"}[cls]
            L.count[base] = L.count.get(base, 0) + 1
            name = "%s_%d" % (base, L.count[base])
        self.cls, self.items, self.name, self.spacing, self.margins, self.props = cls, items, name, spacing, margins, props
        self.column_stretch = columnStretch
        self.stretch = stretch

    def xml(self, parent):
        e = ET.SubElement(parent, "layout", {"class": self.cls, "name": self.name})
        if self.column_stretch:
            e.set("columnstretch", self.column_stretch)
        if self.stretch:
            e.set("stretch", self.stretch)
        if self.spacing is not None:
            if self.cls in ("QGridLayout", "QFormLayout"):
                _prop(e, "horizontalSpacing", "number", self.spacing)
                _prop(e, "verticalSpacing", "number", self.spacing)
            else:
                _prop(e, "spacing", "number", self.spacing)
        if self.margins is not None:
            for side, v in zip(("leftMargin", "topMargin", "rightMargin", "bottomMargin"), self.margins):
                _prop(e, side, "number", v)
        for k, v in self.props.items():
            if isinstance(v, tuple):
                _prop(e, k, v[0], v[1])
            else:
                _prop(e, k, _guess(v), v)
        for it in self.items:
            attrs = {}
            thing = it
            if isinstance(it, tuple):
                thing = it[0]
                attrs = {"row": str(it[1]), "column": str(it[2])}
                if len(it) > 3:
                    attrs["rowspan"] = str(it[3])
                    attrs["colspan"] = str(it[4])
            item = ET.SubElement(e, "item", attrs)
            thing.xml(item)
        return e


# ---- building blocks ---------------------------------------------------------

def label(name, text="", **p):
    return W("QLabel", name, text=text, **p)


_caption_no = [0]


def caption(text):
    _caption_no[0] += 1
    return W("QLabel", "label_caption_%d" % _caption_no[0], text=text)


def value_label(name):
    return W("QLabel", name, text="", textInteractionFlags=("set", "Qt::TextSelectableByMouse"),
             sizePolicy=("sizepolicy", "QSizePolicy::Ignored", "QSizePolicy::Preferred"))


def identity_label(name):
    """A value of the identity pages and of the dock's device page: never
    narrower than its text, so the pane widens for a long value or a long
    English caption instead of cutting the value off."""
    return W("QLabel", name, text="", textInteractionFlags=("set", "Qt::TextSelectableByMouse"))


def button(name, text="", icon=None, **p):
    if icon:
        p["icon"] = ("icon", icon)
    return W("QPushButton", name, text=text, **p)


def check(name, text="", **p):
    return W("QCheckBox", name, text=text, **p)


def radio(name, text, **p):
    return W("QRadioButton", name, text=text, **p)


def combo(name, items=(), **p):
    return W("QComboBox", name, items=items, **p)


def edit(name, **p):
    return W("QLineEdit", name, **p)


def slider(name, lo, hi, **p):
    return W("QSlider", name, minimum=lo, maximum=hi, orientation=("enum", "Qt::Horizontal"), **p)


def spin(name, lo, hi, **p):
    return W("QSpinBox", name, minimum=lo, maximum=hi, **p)


def dspin(name, lo, hi, step=0.01, **p):
    return W("QDoubleSpinBox", name, minimum=float(lo), maximum=float(hi), singleStep=step, decimals=2, **p)


def group(name, title, layout, **p):
    return W("QGroupBox", name, layout=layout, title=title, **p)


def form(rows, name=None, spacing=8):
    """Caption/value rows in a two-column grid."""
    items = []
    for r, (cap, thing) in enumerate(rows):
        if cap is None:
            items.append((thing, r, 0, 1, 2))
        else:
            items.append((caption(cap), r, 0))
            items.append((thing, r, 1))
    return L("QGridLayout", items, name=name, spacing=spacing, columnStretch="0,1")


def hbox(*things, spacing=6, name=None):
    return L("QHBoxLayout", list(things), name=name, spacing=spacing)


def vbox(*things, spacing=8, margins=None, name=None):
    return L("QVBoxLayout", list(things), name=name, spacing=spacing, margins=margins)


def hwidget(name, *things, spacing=6):
    return W("QWidget", name, layout=L("QHBoxLayout", list(things), spacing=spacing, margins=(0, 0, 0, 0)))


def slider_rows(rows):
    """(caption, slider, box) rows in a three-column grid: caption | slider | box."""
    items = []
    for r, (cap, sl, box) in enumerate(rows):
        items.append((caption(cap), r, 0))
        items.append((sl, r, 1))
        items.append((box, r, 2))
    return L("QGridLayout", items, spacing=8, columnStretch="0,1,0")


def page(name, title, icon, *things):
    return W("QWidget", name, layout=vbox(*things, vspacer(), spacing=10, margins=(6, 6, 6, 6)),
             attrs={"label": title, "icon": ("icon", icon)})


SPIN_W = (64, 0)


# ---- left pane: device tree and identity pages -----------------------------

def device_panel():
    # promoted: dragging a camera from the tree drops it on a display cell
    tree = W("CustomTreeWidget", "treeWidget_devicelist", attrs={"headerVisible": False},
             iconSize=(20, 20), indentation=16, animated=True)
    # a designer tree needs one column
    buttons = hwidget("widget_deviceButtons",
                      # text only: the English captions need the width
                      button("pushButton_refresh", "刷新"),
                      button("pushButton_expand", "展开"),
                      button("pushButton_collapse", "收起"),
                      button("pushButton_onoff", "", "connect.png", toolTip="打开/关闭相机",
                             iconSize=(20, 20)),
                      spacing=4)
    gige = W("QWidget", "page_gigeInfo", layout=form([
        ("产品名称：", identity_label("label_gigeName")),
        ("IP地址：", identity_label("label_gigeIP")),
        ("子网掩码：", identity_label("label_gigeNetMask")),
        ("接口类型：", identity_label("label_gigePorttype")),
        ("物理地址：", identity_label("label_gigePhyAdder")),
        ("相机状态：", identity_label("label_gigeBroAdder")),
    ], spacing=6))
    unused = W("QWidget", "page_unused")
    usb = W("QWidget", "page_usbInfo", layout=form([
        ("产品名称：", identity_label("label_productName")),
        ("产品系列：", identity_label("label_productsSeries")),
        ("传感器：", identity_label("label_sensor")),
        ("接口类型：", identity_label("label_porttype")),
        ("设备版本：", identity_label("label_edition")),
        ("固件版本：", identity_label("label_firmware")),
        ("相机状态：", identity_label("label_status")),
    ], spacing=6))
    empty = W("QWidget", "page_noDevice", layout=vbox(
        label("label_noDevice", "请在列表中选择相机", alignment=("set", "Qt::AlignCenter"), enabled=False)))
    stack = W("QStackedWidget", "stackedWidget_InterfaceInfo", children=[gige, unused, usb, empty],
              currentIndex=3, minimumSize=(0, 200), maximumSize=(16777215, 240),
              frameShape=("enum", "QFrame::StyledPanel"))
    info_box = group("groupBox_deviceInfo", "设备信息", vbox(stack, margins=(4, 4, 4, 4)),
                     sizePolicy=("sizepolicy", "QSizePolicy::Preferred", "QSizePolicy::Maximum"))
    list_box = group("groupBox_deviceList", "设备列表", vbox(buttons, tree, spacing=6, margins=(4, 4, 4, 4)))
    layout = vbox(list_box, info_box, spacing=8, margins=(6, 6, 0, 6))
    layout.stretch = "1,0"
    # The window widens the pane beyond this when an identity page needs it
    # (a long value, the English captions).
    return W("QWidget", "widget_devicePanel", layout=layout,
             minimumSize=(250, 0))


# ---- middle pane: the cell grid ----------------------------------------------

def grid_area():
    grid = W("QWidget", "widget_devicewindows",
             layout=L("QGridLayout", [], name="gridLayout_devicewindow", spacing=2, margins=(0, 0, 0, 0)),
             styleSheet="#widget_devicewindows { background-color: rgb(32, 34, 38); }")
    return W("QWidget", "widget_8", layout=vbox(grid, spacing=0, margins=(4, 6, 4, 6), name="verticalLayout_grid"),
             minimumSize=(320, 0))


# ---- right pane: parameter dock ----------------------------------------------

def page_device():
    info = form([
        ("设备名称：", identity_label("label_deviceName")),
        ("驱动版本：", identity_label("label_deviceDrive")),
        ("产品系列：", identity_label("label_productsseries")),
        ("序列号：", identity_label("label_deviceSerial")),
        ("通讯类型：", identity_label("label_communiType")),
        ("固件版本：", identity_label("label_deviceFirmware")),
        ("设备类型：", identity_label("label_deviceType")),
        ("接口版本：", identity_label("label_deviceInterface")),
        ("SDK版本：", identity_label("label_sdkVersion")),
    ], spacing=6)
    rename = group("groupBox_nickname", "设备昵称", hbox(edit("lineEdit_deviceName", maxLength=31),
                                                      button("pushButton_deviceName", "设置")))
    params = group("groupBox_deviceParameters", "参数", vbox(
        button("pushButton_saveInfo", "保存参数", "save.png"),
        button("pushButton_saveParametersToFile", "导出参数到文件", "save.png"),
        button("pushButton_loadParametersToFile", "加载参数从文件", "load.png"),
        button("pushButton_restoreDefaultParameters", "恢复默认参数", "restore.png"), spacing=6))
    return page("page_deviceInfo", "设备信息", "deviceinfo.png",
                group("groupBox_identity", "设备信息", info), rename, params)


def page_video():
    out = group("groupBox_outputImage", "输出图像", vbox(
        combo("comboBox"), hbox(check("checkBox_mirror", "水平镜像"), check("checkBox_vertical", "垂直翻转"), hspacer())))
    rate = group("groupBox_frameRate", "帧率", hbox(radio("radioButton_low", "低速"), radio("radioButton_medium", "中速"),
                                                  radio("radioButton_high", "高速"), hspacer()))
    modes = group("groupBox_imageMode", "图像处理", L("QGridLayout", [
        (check("checkBox_bPoint", "坏点修正"), 0, 0), (check("checkBox_bwmode", "黑白模式"), 0, 1),
        (check("checkBox_negativeMode", "底片模式", enabled=False), 1, 0)], spacing=6))
    isp = group("groupBox_isp", "图像调节", slider_rows([
        ("对比度：", slider("horizontalSlider_iContrast", 0, 100), spin("spinBox_iContrast", 0, 100, minimumSize=SPIN_W)),
        ("锐度：", slider("horizontalSlider_iSharpness", 0, 100), spin("spinBox_iSharpness", 0, 100, minimumSize=SPIN_W)),
        ("饱和度：", slider("horizontalSlider_iSaturation", 0, 255),
         spin("spinBox_iSaturation", 0, 255, minimumSize=SPIN_W)),
    ]))
    return page("page_video", "视频参数设置", "video.png", out, rate, modes, isp)


def range_row(lo, hi):
    return hbox(edit(lo), label("label_" + lo.split("_")[1] + "_to", "-"), edit(hi), spacing=4)


def page_exposure():
    modes = hbox(radio("radioButton_autoExposure", "自动曝光"), radio("radioButton_manualExposure", "手动曝光"), hspacer())
    auto = group("groupBox_AutoExposure", "自动曝光", L("QGridLayout", [
        (caption("亮度目标："), 0, 0), (slider("horizontalSlider_light", 10, 160), 0, 1),
        (spin("spinBox_Light", 10, 160, minimumSize=SPIN_W), 0, 2),
        (caption("曝光范围(毫秒)"), 1, 0), (range_row("lineEdit_minExposureRange", "lineEdit_maxExposureRange"), 1, 1, 1, 2),
        (caption("增益范围(倍数)"), 2, 0), (range_row("lineEdit_minGainRange", "lineEdit_maxGainRange"), 2, 1, 1, 2),
        (hbox(check("checkBox_flashScreen", "抗闪频"), radio("radioButton_50Hz", "50Hz"), radio("radioButton_60Hz", "60Hz"),
              hspacer()), 3, 0, 1, 3),
    ], spacing=8, columnStretch="0,1,0"))
    manual = group("groupBox_ManualExposure", "手动曝光", L("QGridLayout", [
        (caption("曝光时间（毫秒）："), 0, 0, 1, 2),
        (slider("horizontalSlider_exposureTime", 0, 100000), 1, 0),
        (dspin("doubleSpinBox_exposureTime", 0, 100000, minimumSize=(76, 0)), 1, 1),
        (caption("模拟增益（倍数）:"), 2, 0, 1, 2),
        (slider("horizontalSlider_analogGain", 1000, 16000), 3, 0),
        (dspin("doubleSpinBox_analogGain", 1, 16, minimumSize=(76, 0)), 3, 1),
    ], spacing=8, columnStretch="1,0"))
    return page("page_exposure", "曝光设置", "camera.png", modes, auto, manual)


def page_whitebalance():
    modes = hbox(radio("radioButton_autowb", "自动白平衡"), radio("radioButton_manualwb", "手动白平衡"), hspacer())
    items = []
    for r, (cap, c) in enumerate((("红色：", "red"), ("绿色：", "green"), ("蓝色：", "blue"))):
        items += [(caption(cap), r, 0), (slider("horizontalSlider_gain" + c, 0, 400), r, 1),
                  (dspin("doubleSpinBox_gain" + c, 0, 4, minimumSize=SPIN_W), r, 2),
                  (label("label_gain%sUnit" % c, "倍数"), r, 3)]
    manual = group("groupBox_Manualwb", "手动白平衡", L("QGridLayout", items, spacing=8, columnStretch="0,1,0,0"))
    once = hbox(button("pushButton_onetouth", "一键白平衡"), hspacer())
    temp = hbox(caption("色温选择："), combo("comboBox_2", enabled=False), spacing=6)
    return page("page_whitebalance", "白平衡设置", "videoinfo.png", modes, manual, once, temp)


def page_crosshair():
    items = [(label("label_crossHeadShow", "显示"), 0, 1), (label("label_crossHeadColor", "颜色"), 0, 2),
             (label("label_crossHeadX", "X"), 0, 3), (label("label_crossHeadY", "Y"), 0, 4)]
    for n in range(1, 10):
        items += [(label("label_crosshair%d" % n, "Crosshair %d:" % n), n, 0),
                  (check("checkBox_display%d" % n), n, 1),
                  (button("pushButton_color%d" % n, "", maximumSize=(28, 22), minimumSize=(28, 22),
                          styleSheet="background-color:rgb(0,0,0)"), n, 2),
                  (edit("lineEdit_x%d" % n, text="0"), n, 3),
                  (edit("lineEdit_y%d" % n, text="0"), n, 4)]
    grid = L("QGridLayout", items, spacing=4, columnStretch="0,0,0,1,1")
    return page("page_crosshair", "十字线设置", "capture.png", grid)


def page_output():
    modes = L("QGridLayout", [
        (radio("radioButton_continuity", "连续"), 0, 0), (radio("radioButton_softrigger", "软件触发"), 0, 1),
        (radio("radioButton_hardtirgger", "硬件触发"), 1, 0),
        (button("pushButton_tirggeronce", "触发一次"), 1, 1)], spacing=6)
    trig = group("groupBox_13", "触发参数", form([
        ("触发延迟(微秒):", edit("lineEdit_tirggerdelay")),
        ("触发一次的帧数：", edit("lineEdit_tirggerframes")),
    ]))
    hard = group("groupBox_hardtrigger", "输入IO设置", form([
        ("输入IO：", combo("comboBox_input")),
        ("工作模式：", combo("comboBox_workmode", ["触发", "输入IO"])),
        ("触发方式：", combo("comboBox_tirggermode", ["上升沿触发", "下降沿触发", "高电平触发", "低电平触发"])),
        ("去抖时间(微秒):", edit("lineEdit_time")),
    ]))
    strobe = W("QWidget", "page_pwmStrobe", layout=form([
        ("闪光灯模式：", combo("comboBox_imode", ["自动", "半自动"])),
        ("有效电平：", combo("comboBox_polarity", ["低电平", "高电平"])),
        ("延时(微秒):", edit("lineEdit_ldelay")),
        ("脉冲宽度(微秒):", edit("lineEdit_lpulsewidth")),
    ], spacing=8))
    strobe.layout.margins = (0, 0, 0, 0)
    io = W("QWidget", "page_pwmOutput", layout=form([
        ("IO状态：", combo("comboBox_iostatus", ["低电平", "高电平"])),
    ], spacing=8))
    io.layout.margins = (0, 0, 0, 0)
    pwm = W("QWidget", "page_pwmPwm", layout=form([
        ("PWM周期(微秒):", edit("lineEdit_pwmcycle")),
        ("PWM高电平时间(微秒):", edit("lineEdit_pwmhighttime")),
    ], spacing=8))
    pwm.layout.margins = (0, 0, 0, 0)
    stack = W("QStackedWidget", "stackedWidget_pwm", children=[strobe, io, pwm], currentIndex=0)
    sig = group("groupBox_iosignal", "输出IO设置", vbox(form([
        ("输出IO：", combo("comboBox_output")),
        ("工作模式：", combo("comboBox_owordmode", ["闪光灯", "输出IO", "PWM"])),
    ]), stack))
    return page("page_output", "输出设置", "connect.png", group("groupBox_triggerMode", "触发模式", modes), trig, hard, sig)


def page_resolution():
    res = group("groupBox_resolution", "分辨率", vbox(combo("comboBox_resolution"),
                                                     hbox(button("pushButton_roi", "ROI区域"), hspacer())))
    fov = group("groupBox_fov", "当前区域", form([
        ("水平偏移：", value_label("label_hoffset")),
        ("垂直偏移：", value_label("label_voffset")),
        ("宽度：", value_label("label_hwidth")),
        ("高度：", value_label("label_vheight")),
    ]))
    return page("page_resolution", "分辨率设置", "CustomScreen.png", res, fov)


def page_gamma():
    modes = hbox(radio("radioButton_track", "动态"), radio("radioButton_preset", "预置"), hspacer())
    track = group("groupBox_track", "动态", slider_rows([
        ("伽玛：", slider("horizontalSlider_gamma", 0, 1000), dspin("doubleSpinBox_gamma", 0, 10, minimumSize=SPIN_W)),
        ("对比度：", slider("horizontalSlider_contrast", 0, 200),
         dspin("doubleSpinBox_contrast", 0, 2, minimumSize=SPIN_W)),
    ]))
    preset = group("groupBox_preset", "预置", form([("预置LUT表:", combo("comboBox_preset"))]))
    return page("page_gamma", "伽玛设置", "videoinfo.png", modes, track, preset)


def page_gige():
    transport = group("groupBox_transport", "传输设置", L("QGridLayout", [
        (caption("最大传输大小(MTU):"), 0, 0), (edit("lineEdit_PacketSize"), 0, 1),
        (caption("网络包间隔时间(微秒)"), 1, 0), (edit("lineEdit_netWorkIntervalTime"), 1, 1),
        (label("label_packetSizeHint", "为了达到最高传输效率，请设置为网卡最大传输包大小(1500-9000)。", wordWrap=True,
               enabled=False), 2, 0, 1, 2),
        (hbox(hspacer(), button("pushButton_packetSizeSett", "设置")), 3, 0, 1, 2),
    ], spacing=8, columnStretch="0,1"))
    addr = group("groupBox_address", "IP设置", L("QGridLayout", [
        (hbox(radio("radioButton_dhcp", "DHCP"), radio("radioButton_autoip", "固定IP"), hspacer()), 0, 0, 1, 2),
        (caption("IP地址："), 1, 0), (edit("lineEdit_ip"), 1, 1),
        (caption("子网掩码："), 2, 0), (edit("lineEdit_netMask"), 2, 1),
        (caption("默认网关："), 3, 0), (edit("lineEdit_gateway"), 3, 1),
        (caption("MAC地址："), 4, 0), (edit("lineEdit_mac", readOnly=True, enabled=False), 4, 1),
        (hbox(hspacer(), button("pushButton_ipsett", "设置")), 5, 0, 1, 2),
    ], spacing=8, columnStretch="0,1"))
    return page("page_cameragige", "GigE设置", "connect.png", transport, addr)


def page_special():
    channels = group("groupBox_channel", "多通道",
                     L("QGridLayout", [], name="gridLayout_channel", spacing=6))
    focus = group("groupBox_supportFocusing", "手动调焦", vbox(
        slider("horizontalSlider_supportFocusing", 0, 100),
        hbox(hspacer(), button("pushButton_restore", "恢复默认值"))))
    return page("page_special", "特殊设置", "camera.png", channels, focus)


def parameter_dock():
    pages = [page_device(), page_video(), page_exposure(), page_whitebalance(), page_crosshair(), page_output(),
             page_resolution(), page_gamma(), page_gige(), page_special()]
    toolbox = W("QToolBox", "toolBox_2", children=pages, currentIndex=0)
    tab_params = W("QWidget", "tab_parameters", layout=vbox(toolbox, margins=(4, 6, 4, 4)),
                   attrs={"title": "参数设置"})
    load_mode = group("groupBox_loadMode", "加载模式：", hbox(
        radio("radioButton_model", "型号"), radio("radioButton_name", "昵称"), radio("radioButton_number", "序号"),
        hspacer()))
    groups = group("groupBox_parameterGroup", "参数组别：", hbox(
        radio("radioButton_A", "A"), radio("radioButton_B", "B"), radio("radioButton_C", "C"),
        radio("radioButton_D", "D"), hspacer()))
    w4 = W("QWidget", "widget_4", layout=vbox(load_mode, groups, margins=(0, 0, 0, 0), name="verticalLayout_widget4"))
    w5 = W("QWidget", "widget_5", layout=vbox(
        button("pushButton_save", "保存参数", "save.png", minimumSize=(0, 30)),
        button("pushButton_load", "加载参数从文件", "load.png", minimumSize=(0, 30)),
        button("pushButton_savefile", "导出参数到文件", "save.png", minimumSize=(0, 30)),
        button("pushButton_recove", "恢复默认参数", "restore.png", minimumSize=(0, 30)),
        margins=(0, 0, 0, 0), name="verticalLayout_widget5"))
    tab3 = W("QWidget", "tab_3", layout=vbox(w4, w5, vspacer(), margins=(8, 12, 8, 8), name="verticalLayout_tab3"),
             attrs={"title": "参数保存"})
    tabs = W("QTabWidget", "tabWidget", children=[tab_params, tab3], currentIndex=0)
    toolbar = W("QWidget", "widget_settingToolbar", layout=L("QHBoxLayout", [
        label("label_settingIcon", "", pixmap=("pixmap", "deviceinfo.png"), maximumSize=(20, 20), scaledContents=True),
        label("label_settingTitle", "相机参数"),
        hspacer()], name="horizontalLayout_settingToolbar", margins=(4, 2, 4, 2)))
    return W("QWidget", "widget_parameterPanel", layout=vbox(toolbar, tabs, spacing=4, margins=(0, 6, 6, 6)),
             minimumSize=(300, 0))


# ---- main window -------------------------------------------------------------

ACTIONS = [
    ("action_opencamera", "打开相机", "camera.png", None),
    ("action_defaultParPath", "打开相机参数默认保存目录", "folder.png", None),
    ("action_capturesetting", "抓图", "capture.png", None),
    ("action_videosetting", "录像", "video.png", None),
    ("action_hotkey", "快捷键", "hotkey.png", None),
    ("action_ipSettingTool", "IP配置工具", "ipconfig.png", None),
    ("action_update", "升级工具", "upgrade.png", None),
    ("action_help", "帮助文档", "help.png", None),
    ("action_about", "关于", "about.png", None),
    ("action_language_CH", "简体中文", None, None),
    ("action_language_EN", "English", None, None),
    ("action_oneframe", "单画面", "OneScreen.png", None),
    ("action_fourframe", "四画面", "FourScreen.png", None),
    ("action_nineframe", "九画面", "NineScreen.png", None),
    ("action_customframe", "自定义", "CustomScreen.png", None),
    ("action_fullScreen", "全屏", "fullscreen.png", "全屏显示"),
    ("action_exitapp", "画面切换", None, None),
]

MENUS = [
    ("menu_camera", "相机", ["action_opencamera"]),
    ("menu_setting", "设置", ["action_capturesetting", "action_videosetting", "action_hotkey"]),
    ("menu_tool", "工具", ["action_ipSettingTool", "action_update", "separator", "action_defaultParPath"]),
    ("menu_language", "语言", ["action_language_CH", "action_language_EN"]),
    ("menu_help", "帮助", ["action_help", "action_about"]),
]

TOOLBAR = ["action_opencamera", "separator", "action_capturesetting", "action_videosetting", "action_hotkey",
           "separator", "action_ipSettingTool", "action_update", "separator", "action_fullScreen"]


def build():
    ui = ET.Element("ui", version="4.0")
    ET.SubElement(ui, "class").text = "VexoCam"
    mw = ET.SubElement(ui, "widget", {"class": "QMainWindow", "name": "VexoCam"})
    _prop(mw, "geometry", "rect", (0, 0, 1280, 800))
    _prop(mw, "minimumSize", "size", (1024, 640))
    _prop(mw, "windowTitle", "string", "VexoCam")
    _prop(mw, "windowIcon", "icon", "logomin.png")
    _prop(mw, "iconSize", "size", (24, 24))

    splitter = W("QSplitter", "splitter", children=[device_panel(), grid_area(), parameter_dock()],
                 orientation=("enum", "Qt::Horizontal"), childrenCollapsible=False, handleWidth=4)
    central = W("QWidget", "centralwidget", layout=L("QHBoxLayout", [splitter], name="horizontalLayout_central",
                                                     margins=(0, 0, 0, 0), spacing=0))
    central.xml(mw)

    bar = ET.SubElement(mw, "widget", {"class": "QMenuBar", "name": "menubar"})
    _prop(bar, "geometry", "rect", (0, 0, 1280, 24))
    for name, title, acts in MENUS:
        m = ET.SubElement(bar, "widget", {"class": "QMenu", "name": name})
        _prop(m, "title", "string", title)
        # Menu titles are nouns where the same Chinese word on a button is a verb
        # ("设置": Settings / Set); the comment keeps their translations apart.
        m.find("property/string").set("comment", "menu")
        for a in acts:
            ET.SubElement(m, "addaction", name=a)
    for name, _, _ in MENUS:
        ET.SubElement(bar, "addaction", name=name)

    tb = ET.SubElement(mw, "widget", {"class": "QToolBar", "name": "toolBar"})
    _prop(tb, "windowTitle", "string", "工具栏")
    _prop(tb, "movable", "bool", False)
    _prop(tb, "iconSize", "size", (28, 28))
    _prop(tb, "toolButtonStyle", "enum", "Qt::ToolButtonTextUnderIcon")
    _prop(tb, "toolBarArea", "enum", "TopToolBarArea", tag="attribute")
    _prop(tb, "toolBarBreak", "bool", False, tag="attribute")
    for a in TOOLBAR:
        ET.SubElement(tb, "addaction", name=a)

    ET.SubElement(mw, "widget", {"class": "QStatusBar", "name": "statusbar"})

    for name, text, icon, tip in ACTIONS:
        a = ET.SubElement(mw, "action", name=name)
        if icon:
            _prop(a, "icon", "icon", icon)
        _prop(a, "text", "string", text)
        if tip:
            _prop(a, "toolTip", "string", tip)

    custom = ET.SubElement(ui, "customwidgets")
    for cls, base, header in CUSTOM_WIDGETS:
        c = ET.SubElement(custom, "customwidget")
        ET.SubElement(c, "class").text = cls
        ET.SubElement(c, "extends").text = base
        ET.SubElement(c, "header").text = header

    res = ET.SubElement(ui, "resources")
    ET.SubElement(res, "include", location=QRC)
    ET.SubElement(ui, "connections")
    return ui


def main():
    root = build()
    ET.indent(root, space=" ")
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "viewer", "forms", "vexocam.ui")
    data = '<?xml version="1.0" encoding="UTF-8"?>\n' + ET.tostring(root, encoding="unicode") + "\n"
    with open(out, "w", encoding="utf-8") as f:
        f.write(data)


if __name__ == "__main__":
    main()
