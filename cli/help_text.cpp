#include "cli/help_text.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <sstream>
#include <utility>

namespace zelmarino::cli {

namespace {

constexpr std::size_t optionColumn = 24;
constexpr std::size_t choiceColumn = 12;

// The name, then what it means from `column` on, line under line; under a name too long
// for the column.
std::string inColumns(const Choice& choice, std::size_t column) {
    std::string text = "  " + std::string(choice.name);
    if (text.size() >= column) {
        text += '\n';
        text.append(column, ' ');
    }
    text.resize(std::max(text.size(), column), ' ');
    for (const char c : choice.what) {
        text += c;
        if (c == '\n') {
            text.append(column, ' ');
        }
    }
    return text + "\n";
}

class HelpLayout : public CLI::Formatter {
public:
    HelpLayout(std::vector<Choice> choices, std::vector<const CLI::Option*> mustGive)
        : m_choices(std::move(choices))
        , m_mustGive(std::move(mustGive)) {
        column_width(optionColumn);
    }

    // The usage line comes first, as a reader looks for it there.
    std::string make_help(const CLI::App* app, std::string name,
                          CLI::AppFormatMode mode) const override {
        return make_usage(app, std::move(name)) + make_description(app) + make_positionals(app) +
               make_groups(app, mode) + "\n" + make_footer(app);
    }

    // What must be given, each with its value, then "[options]" for the rest.
    std::string make_usage(const CLI::App* /*app*/, std::string name) const override {
        std::string usage = "Usage: " + name;
        for (const CLI::Option* option : m_mustGive) {
            usage += " " + (option->get_positional()
                                ? option->get_name(true)
                                : option->get_name() + " " + option->get_option_text());
        }
        return usage + " [options]\n";
    }

    // The positional argument is one word of a few; each is listed with what it means.
    std::string make_positionals(const CLI::App* app) const override {
        std::ostringstream out;
        for (const CLI::Option* positional :
             app->get_options([](const CLI::Option* o) { return o->get_positional(); })) {
            out << "\n" << positional->get_group() << ":\n";
            for (const Choice& choice : m_choices) {
                out << inColumns(choice, choiceColumn);
            }
        }
        return out.str();
    }

    // "-h, --help", with a blank after the comma as usage texts write it.
    std::string make_option_name(const CLI::Option* option, bool positional) const override {
        std::string names = CLI::Formatter::make_option_name(option, positional);
        for (std::size_t at = names.find(','); at != std::string::npos;
             at = names.find(',', at + 2)) {
            names.insert(at + 1, " ");
        }
        return names;
    }

private:
    std::vector<Choice> m_choices;
    std::vector<const CLI::Option*> m_mustGive;
};

} // namespace

std::shared_ptr<CLI::Formatter> helpLayout(std::vector<Choice> choices,
                                           std::vector<const CLI::Option*> mustGive) {
    return std::make_shared<HelpLayout>(std::move(choices), std::move(mustGive));
}

} // namespace zelmarino::cli
