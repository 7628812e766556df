#include "cmdline/docs/RVTextTemplate.hpp"

#include "cmdline/RVOptionTable.hpp"

#include <set>

std::string rv::detail::fillTemplate(std::string_view text,
                                     const std::map<std::string_view, std::string>& fields)
{
    constexpr std::string_view open = "{{";
    constexpr std::string_view close = "}}";
    std::string filled;
    std::set<std::string_view> used;
    for (std::size_t begin; (begin = text.find(open)) != std::string_view::npos;) {
        const std::size_t end = text.find(close, begin + open.size());
        if (end == std::string_view::npos) {
            throw RVDefinitionError("template: '{{' without '}}'");
        }
        const std::string_view name = text.substr(begin + open.size(), end - begin - open.size());
        const auto field = fields.find(name);
        if (field == fields.end()) {
            throw RVDefinitionError("template: no field for {{" + std::string(name) + "}}");
        }
        used.insert(name);
        filled.append(text.substr(0, begin)).append(field->second);
        text.remove_prefix(end + close.size());
    }
    if (used.size() != fields.size()) {
        throw RVDefinitionError("template: a field that no placeholder uses");
    }
    return filled.append(text);
}

std::string_view rv::detail::templateSection(std::string_view text, std::string_view name)
{
    constexpr std::string_view marker = "\n#@ ";
    std::size_t begin = 0;
    if (!name.empty()) {
        const std::size_t line = text.find(std::string(marker).append(name) + ' ');
        if (line == std::string_view::npos) {
            throw RVDefinitionError("template: no section " + std::string(name));
        }
        begin = text.find('\n', line + 1) + 1;
    }
    const std::size_t end = text.find(marker, begin);
    return text.substr(begin, end == std::string_view::npos ? end : end + 1 - begin);
}
