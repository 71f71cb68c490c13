"""Exceptions carrying the library's status.

Every failed call raises an SdkError (or one of its subclasses) whose
``status`` is the library's signed status and ``function`` the C call that
returned it, so a program can react to a status exactly as a C program would.
"""

SUCCESS = 0
FAILED = -1
INVALID_HANDLE = -2
INVALID_ARGUMENT = -3
NOT_SUPPORTED = -4  # also: an upgrade or parameter file of another model
TIMEOUT = -12
DEVICE_LOST = -13
NO_DEVICE = -14
BUSY = -15
ALREADY_OPENED = -18
FILE_PATH = -22
IO_ERROR = -23
FILE_CORRUPT = -24
ACCESS_DENIED = -25  # a feature cannot be read or written now

STATUS_TEXTS = {
    FAILED: "the operation failed",
    INVALID_HANDLE: "invalid or closed camera handle",
    INVALID_ARGUMENT: "invalid argument",
    NOT_SUPPORTED: "not supported by the camera, or a file for another model",
    TIMEOUT: "no frame within the time-out",
    DEVICE_LOST: "the camera was lost",
    NO_DEVICE: "no camera with this serial number",
    BUSY: "an upgrade is already running on this camera",
    ALREADY_OPENED: "the camera is open in this or another program",
    FILE_PATH: "the file cannot be opened or read",
    IO_ERROR: "the file cannot be written",
    FILE_CORRUPT: "the file is truncated, corrupted or of another version",
    ACCESS_DENIED: "the feature cannot be read or written now",
}


def status_text(status):
    """The meaning of a status, for messages."""
    return STATUS_TEXTS.get(status, "status %d" % status)


class SdkError(Exception):
    """A library call returned a non-zero status."""

    def __init__(self, status, function, detail=""):
        self.status = status
        self.function = function
        message = "%s failed: %s (%d)" % (function, status_text(status), status)
        if detail:
            message += ": " + detail
        super().__init__(message)


class InvalidHandleError(SdkError):
    pass


class InvalidArgumentError(SdkError, ValueError):
    pass


class NotSupportedError(SdkError):
    pass


class FrameTimeoutError(SdkError, TimeoutError):
    pass


class DeviceLostError(SdkError):
    pass


class NoDeviceError(SdkError, LookupError):
    pass


class BusyError(SdkError):
    pass


class AlreadyOpenedError(SdkError):
    pass


class FileError(SdkError, OSError):
    """A file the library was given cannot be read or written, or is corrupt."""


class AccessDeniedError(SdkError):
    """A feature is not readable or writable now (for example while an
    automatic mode drives it)."""


_CLASSES = {
    INVALID_HANDLE: InvalidHandleError,
    INVALID_ARGUMENT: InvalidArgumentError,
    NOT_SUPPORTED: NotSupportedError,
    TIMEOUT: FrameTimeoutError,
    DEVICE_LOST: DeviceLostError,
    NO_DEVICE: NoDeviceError,
    BUSY: BusyError,
    ALREADY_OPENED: AlreadyOpenedError,
    FILE_PATH: FileError,
    IO_ERROR: FileError,
    FILE_CORRUPT: FileError,
    ACCESS_DENIED: AccessDeniedError,
}


def error_for(status, function, detail=""):
    """The exception for a status: a subclass where one fits, else SdkError."""
    return _CLASSES.get(status, SdkError)(status, function, detail)


def check(status, function, detail=""):
    """Raises the exception for a non-zero status."""
    if status != SUCCESS:
        raise error_for(status, function, detail)
