// get and set: camera settings by name.
#include "cli.h"
#include "settings_table.h"
#include "verbs.h"

#include <cstdio>

namespace vexocli {

namespace {

Json jsonValue(const Setting &setting, const double *values)
{
    auto one = [&setting](double v) -> Json {
        switch (setting.kind) {
        case Kind::Bool:
            return v != 0;
        case Kind::Float:
            return v;
        case Kind::Int:
        case Kind::Hex:
            return static_cast<long long>(v);
        }
        return nullptr;
    };
    if (setting.count == 1)
        return one(values[0]);
    Json list = Json::array();
    for (int i = 0; i < setting.count; ++i)
        list.push_back(one(values[i]));
    return list;
}

std::string textValue(const Setting &setting, const double *values)
{
    std::string text;
    for (int i = 0; i < setting.count; ++i)
        text += (i ? " " : "") + formatValue(setting.kind, values[i]);
    return text;
}

// Unknown names are a usage error before the camera is opened.
int checkNames(const std::vector<std::string> &names)
{
    for (const std::string &name : names) {
        if (findSetting(name) == nullptr)
            return fail(ExitUsage, "no setting named '" + name + "' (vexocam-cli get --help lists them)");
    }
    return ExitOk;
}

} // namespace

std::string settingText(const Setting &setting, const Json &value)
{
    double values[kMaxValues] = {};
    for (int i = 0; i < setting.count; ++i) {
        const Json &v = setting.count == 1 ? value : value.at(i);
        values[i] = v.is_boolean() ? (v.get<bool>() ? 1 : 0) : v.get<double>();
    }
    return textValue(setting, values);
}

void printJson(const Json &value)
{
    const std::string text = value.dump(2, ' ', false, Json::error_handler_t::replace);
    std::printf("%s\n", text.c_str());
}

int readAllSettings(CameraHandle handle, Json *values)
{
    *values = Json::object();
    for (const Setting &setting : settings()) {
        double v[kMaxValues] = {};
        const CameraSdkStatus status = setting.get(handle, v);
        if (status == CAMERA_STATUS_NOT_SUPPORTED)
            continue;
        if (status != CAMERA_STATUS_SUCCESS)
            return report("cannot read " + setting.name + " (" + setting.getter + ")", status);
        (*values)[setting.name] = jsonValue(setting, v);
    }
    return ExitOk;
}

int runGet(const Arguments &args)
{
    const std::vector<std::string> names(args.operands().begin() + 1, args.operands().end());
    if (const int code = checkNames(names); code != ExitOk)
        return code;
    Camera camera;
    if (const int code = camera.open(args.operands()[0]); code != ExitOk)
        return code;

    // No names: all of them, leaving out what the camera lacks.
    const bool all = names.empty();
    std::vector<const Setting *> wanted;
    for (const Setting &setting : settings()) {
        if (all)
            wanted.push_back(&setting);
    }
    for (const std::string &name : names)
        wanted.push_back(findSetting(name));

    const bool json = args.has("json");
    Json out = Json::object();
    for (const Setting *setting : wanted) {
        double v[kMaxValues] = {};
        const CameraSdkStatus status = setting->get(camera.handle(), v);
        if (all && status == CAMERA_STATUS_NOT_SUPPORTED)
            continue;
        if (status != CAMERA_STATUS_SUCCESS)
            return report("cannot read " + setting->name + " (" + setting->getter + ")", status);
        out[setting->name] = jsonValue(*setting, v);
        if (json)
            continue;
        if (wanted.size() == 1)
            std::printf("%s\n", textValue(*setting, v).c_str());
        else
            std::printf("%-22s %s\n", setting->name.c_str(), textValue(*setting, v).c_str());
    }
    if (json)
        printJson(out);
    return ExitOk;
}

int runSet(const Arguments &args)
{
    const std::vector<std::string> &operands = args.operands();
    if (const int code = checkNames({operands[1]}); code != ExitOk)
        return code;
    const Setting &setting = *findSetting(operands[1]);
    if (operands.size() - 2 != static_cast<size_t>(setting.count))
        return fail(ExitUsage, setting.name + " takes " + std::to_string(setting.count) + " value" +
                                   (setting.count == 1 ? "" : "s") + " (" + setting.description + ")");
    double values[kMaxValues] = {};
    for (int i = 0; i < setting.count; ++i) {
        if (!parseValue(setting.kind, operands[2 + i], &values[i]))
            return fail(ExitUsage, "'" + operands[2 + i] + "' is not a value for " + setting.name + " (" +
                                       setting.description + ")");
    }
    Camera camera;
    if (const int code = camera.open(operands[0]); code != ExitOk)
        return code;
    if (const int code = report("cannot set " + setting.name + " (" + setting.setter + ")",
                                setting.set(camera.handle(), values));
        code != ExitOk)
        return code;
    // What the camera made of it: a camera may round to its own steps.
    double actual[kMaxValues] = {};
    if (const int code =
            report("cannot read " + setting.name + " back", setting.get(camera.handle(), actual));
        code != ExitOk)
        return code;
    std::printf("%s\n", textValue(setting, actual).c_str());
    if (!args.has("save"))
        return ExitOk;
    // A camera starts with its current parameter group: saving there keeps the value.
    int group = 0;
    if (const int code = report("cannot read the parameter group",
                                CameraGetCurrentParameterGroup(camera.handle(), &group));
        code != ExitOk)
        return code;
    if (const int code = report("cannot save parameter group " + std::to_string(group),
                                CameraSaveParameter(camera.handle(), group));
        code != ExitOk)
        return code;
    std::printf("saved in parameter group %c\n",
                group >= 0 && group < 4 ? static_cast<char>('A' + group) : '?');
    return ExitOk;
}

} // namespace vexocli
