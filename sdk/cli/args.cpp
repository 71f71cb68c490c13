#include "args.h"

#include <cctype>
#include <cstdint>

namespace vexocli {

namespace {

const Option *findOption(const Verb &verb, const std::string &name, char letter)
{
    for (const Option &option : verb.options) {
        if ((!name.empty() && option.name == name) || (letter != 0 && option.letter == letter))
            return &option;
    }
    return nullptr;
}

// "-5" and "-0.5" are values (an offset, a negative number), not options.
bool looksLikeNumber(const std::string &arg)
{
    return arg.size() > 1 && arg[0] == '-' &&
           (std::isdigit(static_cast<unsigned char>(arg[1])) || arg[1] == '.');
}

} // namespace

bool Arguments::parse(const Verb &verb, int argc, char **argv, int first, std::string *error)
{
    bool optionsEnded = false;
    for (int i = first; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-" || looksLikeNumber(arg)) {
            m_operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            m_help = true;
            return true;
        }
        std::string name, inlineValue;
        bool hasInlineValue = false;
        const Option *option = nullptr;
        if (arg.rfind("--", 0) == 0) {
            name = arg.substr(2);
            const size_t equals = name.find('=');
            if (equals != std::string::npos) {
                inlineValue = name.substr(equals + 1);
                name.erase(equals);
                hasInlineValue = true;
            }
            option = findOption(verb, name, 0);
        } else if (arg.size() == 2) {
            option = findOption(verb, {}, arg[1]);
        }
        if (option == nullptr) {
            *error = "unknown option " + arg + " for " + verb.name;
            return false;
        }
        if (option->value.empty()) {
            if (hasInlineValue) {
                *error = "--" + option->name + " takes no value";
                return false;
            }
            m_options[option->name] = {};
            continue;
        }
        if (!hasInlineValue) {
            if (i + 1 >= argc) {
                *error = "--" + option->name + " needs a value (" + option->value + ")";
                return false;
            }
            inlineValue = argv[++i];
        }
        m_options[option->name] = inlineValue;
    }
    if (m_operands.size() < verb.minOperands || m_operands.size() > verb.maxOperands) {
        *error = "usage: vexocam-cli " + verb.name + " " + verb.operands;
        return false;
    }
    return true;
}

std::string Arguments::value(const std::string &option, const std::string &fallback) const
{
    const auto it = m_options.find(option);
    return it == m_options.end() ? fallback : it->second;
}

std::string verbHelp(const Verb &verb)
{
    std::string text = "Usage: vexocam-cli " + verb.name;
    if (!verb.options.empty())
        text += " [options]";
    if (!verb.operands.empty())
        text += " " + verb.operands;
    text += "\n\n" + verb.summary + "\n";
    if (!verb.details.empty())
        text += "\n" + verb.details;
    text += "\nOptions:\n";
    {
        for (const Option &option : verb.options) {
            std::string left = "  ";
            left += option.letter != 0 ? std::string("-") + option.letter + ", " : "    ";
            left += "--" + option.name;
            if (!option.value.empty())
                left += " " + option.value;
            if (left.size() < 28)
                left.resize(28, ' ');
            else
                left += "  ";
            text += left + option.help + "\n";
        }
    }
    text += "  -h, --help                Show this help.\n";
    return text;
}

} // namespace vexocli
