// vexocam-cli: the verbs' command lines. Each verb declares its positional
// arguments and options once; parsing, "--help" and the usage errors come
// from that declaration.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace vexocli {

struct Option
{
    std::string name;  // long name without the dashes: "json"
    char letter = 0;   // short name, 0 = none
    std::string value; // name of its value in the help ("N"); empty: a flag
    std::string help;
};

class Arguments;

struct Verb
{
    std::string name;
    std::string operands; // "SERIAL [NAME...]", shown in the help
    std::string summary;  // one line
    std::string details;  // more lines for --help, may be empty
    size_t minOperands = 0;
    size_t maxOperands = 0; // SIZE_MAX: any number
    std::vector<Option> options;
    int (*run)(const Arguments &) = nullptr;
};

// A verb's parsed command line.
class Arguments final
{
public:
    // Parses argv[first..argc) for verb. False with a message in *error.
    bool parse(const Verb &verb, int argc, char **argv, int first, std::string *error);

    const std::vector<std::string> &operands() const { return m_operands; }
    bool has(const std::string &option) const { return m_options.count(option) != 0; }
    std::string value(const std::string &option, const std::string &fallback = {}) const;
    bool helpAsked() const { return m_help; }

private:
    std::vector<std::string> m_operands;
    std::map<std::string, std::string> m_options;
    bool m_help = false;
};

// The verb's help text: usage line, summary, details, options.
std::string verbHelp(const Verb &verb);

} // namespace vexocli
