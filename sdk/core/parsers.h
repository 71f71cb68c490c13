// Readers and writers of the files the library trusts nothing about: camera
// sets, per-camera state, parameter files and firmware images. Every parser
// takes bytes, fills *out only on success and has no other side effect; error
// (may be null) receives a short reason on failure.
#pragma once

#include "model.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vexo::sdk {

// Largest file any parser accepts; bigger inputs are refused unread.
constexpr size_t kMaxFileBytes = 64u << 20;

// Camera-set JSON (format in sim/README.md). Unknown keys are ignored; a
// missing key takes the built-in default; a wrong type or range fails.
bool parseCameraSet(const uint8_t *data, size_t size, CameraSet *out, std::string *error);

// The built-in camera set used when VEXO_SDK_CAMERAS is unset.
CameraSet builtInCameraSet();

// Per-camera state JSON. The settings in groups are checked against model.
bool parseState(const uint8_t *data, size_t size, const CameraModel &model, PersistentState *out,
                std::string *error);
std::string writeState(const PersistentState &state);

// Settings as JSON (the body of groups and parameter files); generic range
// checks only, validateSettings() does the per-camera ones.
bool settingsFromJson(const std::string &json, Settings *out, std::string *error);
std::string settingsToJson(const Settings &settings);

// Parameter file: "VXPARAM1" magic, u32 format version, u32 body length,
// u32 CRC-32 of the body, then a JSON body. Little-endian.
bool parseParameterFile(const uint8_t *data, size_t size, ParameterFile *out, std::string *error);
std::vector<uint8_t> writeParameterFile(const ParameterFile &file);

// Firmware image: "VXFW" magic, u16 format version, u16 firmware version,
// char[32] product name, u32 payload length, u32 CRC-32 of the 44 bytes
// before it and of the payload, then the payload. Little-endian.
// The CRC is checked here: a bad one fails with *badChecksum set (may be null).
bool parseFirmwareImage(const uint8_t *data, size_t size, FirmwareImage *out, std::string *error,
                        bool *badChecksum = nullptr);
std::vector<uint8_t> writeFirmwareImage(const FirmwareImage &image);

// "1.2.0.3" <-> 0x1203; each part 0..15.
bool parseFirmwareVersion(const std::string &text, uint16_t *out);
std::string firmwareVersionText(uint16_t version); // "v1.2.0.3"

// Strict IPv4 dotted quad: four decimal parts 0..255, nothing else.
bool parseIpv4(const char *text, size_t fieldSize, uint32_t *out);

} // namespace vexo::sdk
