"""Industrial cameras through libVexoCameraSDK, from Python.

    import vexocamera

    for info in vexocamera.list_cameras():
        print(info.serial, info.product, info.port)

    with vexocamera.open_camera("SN-GE1-0001") as camera:
        camera.set("exposure_time", 5000.0)
        for frame in camera.frames(10):
            print(frame.frame_id, frame.image.shape)   # a NumPy array

Settings keep the library's names and units (``vexocamera.SETTINGS``);
``Camera.features()``, ``get_feature`` and ``set_feature`` reach every feature of
the camera by its own name, where the library has them. Every
failed call raises a ``vexocamera.SdkError`` whose ``status`` is the library's
status. ``VEXO_SDK_LIBRARY`` names the library file to load instead of the
installed one; the library's own environment (``VEXO_SDK_BACKENDS``,
``VEXO_SDK_GIGE_ADDRESSES``, ``VEXO_SDK_CAMERAS``, ``VEXO_SDK_HOME``) chooses
the cameras.
"""

from . import errors, features, sim
from .camera import (
    BGR8,
    FILE_BMP,
    FILE_JPG,
    FILE_PNG,
    MONO8,
    RGB8,
    TRIGGER_CONTINUOUS,
    TRIGGER_HARDWARE,
    TRIGGER_SOFTWARE,
    Camera,
    DeviceInfo,
    Frame,
    FrameStatistic,
    GigeConfig,
    gige_config,
    list_cameras,
    open_camera,
    sdk_version,
    set_gige_config,
)
from .errors import (
    AccessDeniedError,
    AlreadyOpenedError,
    BusyError,
    DeviceLostError,
    FileError,
    FrameTimeoutError,
    InvalidArgumentError,
    InvalidHandleError,
    NoDeviceError,
    NotSupportedError,
    SdkError,
)
from .settings import SETTINGS

from .features import Feature, FeatureEntry, TransportStatistic

__all__ = [
    "AccessDeniedError",
    "AlreadyOpenedError",
    "BGR8",
    "BusyError",
    "Camera",
    "DeviceInfo",
    "DeviceLostError",
    "FILE_BMP",
    "FILE_JPG",
    "FILE_PNG",
    "Feature",
    "FeatureEntry",
    "FileError",
    "Frame",
    "FrameStatistic",
    "FrameTimeoutError",
    "GigeConfig",
    "InvalidArgumentError",
    "InvalidHandleError",
    "MONO8",
    "NoDeviceError",
    "NotSupportedError",
    "RGB8",
    "SETTINGS",
    "SdkError",
    "TransportStatistic",
    "TRIGGER_CONTINUOUS",
    "TRIGGER_HARDWARE",
    "TRIGGER_SOFTWARE",
    "errors",
    "features",
    "gige_config",
    "list_cameras",
    "open_camera",
    "sdk_version",
    "set_gige_config",
    "sim",
]
