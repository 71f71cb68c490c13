// vexocam-cli: every camera the library reaches (simulated, GigE Vision,
// USB3 Vision) from a terminal or a script.
#include "args.h"
#include "cli.h"
#include "settings_table.h"
#include "verbs.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using vexocli::Option;
using vexocli::Verb;

std::string settingNames()
{
    std::string text = "Settings (values in the library's units; '-' and '_' are the same in names):\n";
    for (const vexocli::Setting &s : vexocli::settings()) {
        std::string line = "  " + s.name;
        if (s.count > 1)
            line += " (" + std::to_string(s.count) + " values)";
        line.resize(std::max<size_t>(line.size() + 2, 30), ' ');
        text += line + s.description + "\n";
    }
    return text;
}

const Option kJson{"json", 0, {}, "Print JSON."};

std::vector<Verb> verbs()
{
    return {
        {"list", "", "List the cameras of every configured backend.", "", 0, 0, {kJson}, vexocli::runList},
        {"info",
         "SERIAL",
         "Show a camera's identity, network, capabilities and settings.",
         "",
         1,
         1,
         {kJson},
         vexocli::runInfo},
        {"get",
         "SERIAL [NAME...]",
         "Read settings (all the camera has when no NAME is given).",
         settingNames(),
         1,
         SIZE_MAX,
         {kJson},
         vexocli::runGet},
        {"set",
         "SERIAL NAME VALUE...",
         "Write a setting and print the value the camera accepted.",
         "A value lasts while the camera stays open, unless --save keeps it in the camera's\n"
         "current parameter group, which the camera starts with.\n"
         "Booleans take on/off, true/false or 1/0; integers take decimal or 0x hex.\n\n" +
             settingNames(),
         3,
         2 + vexocli::kMaxValues,
         {{"save", 0, {}, "Save all settings into the current parameter group."}},
         vexocli::runSet},
        {"grab",
         "SERIAL",
         "Grab frames through the library's image pipeline into image files.",
         "One frame is written to PATH.png; several to PATH_0001.png, PATH_0002.png, ...\n"
         "Missing folders of PATH are created.\n",
         1,
         1,
         {{"count", 'n', "N", "Frames to grab (default 1)."},
          {"output", 'o', "PATH", "File name without extension (default: frame)."},
          {"format", 'f', "FORMAT", "png, jpg or bmp (default png)."},
          {"quality", 0, "Q", "JPG quality 1..100 (default 90)."},
          {"timeout", 0, "MS", "Wait for each frame at most MS milliseconds (default 2000)."},
          {"software-trigger", 0, {}, "Switch to software trigger and trigger each frame."}},
         vexocli::runGrab},
        {"rate",
         "SERIAL",
         "Measure the frame rate and the frames lost.",
         "Counts the frames that arrive for the given time and reads the library's frame\n"
         "counters before and after. Ctrl-C ends the measurement early.\n",
         1,
         1,
         {{"seconds", 't', "T", "Measure for T seconds (default 5)."},
          {"max-lost", 0, "N", "Fail (exit code 9) when more than N frames are lost."},
          kJson},
         vexocli::runRate},
        {"nickname", "SERIAL NAME", "Set a camera's nickname.", "", 2, 2, {}, vexocli::runNickname},
        {"ip",
         "SERIAL",
         "Show or set a GigE camera's IP configuration.",
         "Without options, shows it. The camera uses a new configuration from its next start.\n",
         1,
         1,
         {{"static", 0, "ADDRESS", "A static address (keeps the mask and gateway unless given)."},
          {"mask", 0, "MASK", "The net mask of the static address."},
          {"gateway", 0, "GATEWAY", "The gateway of the static address."},
          {"dhcp", 0, {}, "Let the camera take its address from DHCP."},
          kJson},
         vexocli::runIp},
#ifdef CAMERA_FEATURE_NAME_BUFFER
        {"features",
         "SERIAL [FILTER]",
         "List every feature of a camera: its own names, types, access and values.",
         "FILTER shows only the features whose name contains it.\n",
         1,
         2,
         {kJson},
         vexocli::runFeatures},
        {"feature",
         "SERIAL NAME [VALUE]",
         "Read a feature by name, or write it and print what the camera took.",
         "Values are texts: integers in decimal or 0x hex, floats with '.', booleans 1/0,\n"
         "enumerations by entry name.\n",
         2,
         3,
         {},
         vexocli::runFeature},
        {"execute",
         "SERIAL NAME",
         "Run a command feature, such as TriggerSoftware.",
         "",
         2,
         2,
         {},
         vexocli::runExecute},
#endif
        {"upgrade",
         "SERIAL FILE",
         "Write a firmware file (.upg) into a camera.",
         "Shows a progress bar on a terminal. The upgrade cannot be interrupted.\n",
         2,
         2,
         {},
         vexocli::runUpgrade},
    };
}

void usage(FILE *out, const std::vector<Verb> &all)
{
    std::fprintf(out, "Usage: vexocam-cli VERB [options] [arguments]\n\nVerbs:\n");
    for (const Verb &verb : all)
        std::fprintf(out, "  %-10s %s\n", verb.name.c_str(), verb.summary.c_str());
    std::fprintf(out,
                 "\n'vexocam-cli VERB --help' describes a verb; 'man vexocam-cli' lists the exit codes.\n"
                 "VEXO_SDK_BACKENDS and VEXO_SDK_GIGE_ADDRESSES choose the cameras (see the manual page).\n"
                 "\nOptions:\n  -h, --help     Show this help.\n  --version      Show the versions.\n");
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<Verb> all = verbs();
    if (argc < 2) {
        usage(stderr, all);
        return vexocli::ExitUsage;
    }
    std::string name = argv[1];
    int first = 2;
    if (name == "--help" || name == "-h") {
        usage(stdout, all);
        return vexocli::ExitOk;
    }
    if (name == "--version") {
        char sdk[CAMERA_SDK_VERSION_BUFFER] = {};
        CameraSdkGetVersionString(sdk);
        std::printf("vexocam-cli %s (libVexoCameraSDK %s)\n", VEXO_CLI_VERSION, vexocli::field(sdk).c_str());
        return vexocli::ExitOk;
    }
    bool helpVerb = false;
    if (name == "help") {
        if (argc < 3) {
            usage(stdout, all);
            return vexocli::ExitOk;
        }
        name = argv[2];
        helpVerb = true;
    }
    for (const Verb &verb : all) {
        if (verb.name != name)
            continue;
        vexocli::Arguments args;
        std::string error;
        if (helpVerb) {
            std::fputs(vexocli::verbHelp(verb).c_str(), stdout);
            return vexocli::ExitOk;
        }
        if (!args.parse(verb, argc, argv, first, &error))
            return vexocli::fail(vexocli::ExitUsage, error + " ('vexocam-cli " + verb.name + " --help')");
        if (args.helpAsked()) {
            std::fputs(vexocli::verbHelp(verb).c_str(), stdout);
            return vexocli::ExitOk;
        }
        return verb.run(args);
    }
    return vexocli::fail(vexocli::ExitUsage, "unknown verb '" + name + "' ('vexocam-cli --help' lists them)");
}
