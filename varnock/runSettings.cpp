#include "varnock/runSettings.hpp"

#include "varnock/definitions.hpp"
#include "varnock/getFirst.hpp"

namespace {

// A copy shares the value's texts. Returned by value so that an absent
// option needs no static null, whose destructor every start would register.
RVOptionValue valueOf(const RVParams& params, std::string_view name)
{
    const auto found = params.find(name);
    return found != params.end() ? found->second : RVOptionValue();
}

Varnock_InputFormat inputFormatFrom(const std::optional<std::string>& text)
{
    if (text == "pcap") {
        return Varnock_InputFormat_pcap_file;
    }
    return Varnock_InputFormat_mtp3_hexstream; // "mtp3-hexstream" and anything unknown
}

// Every text element of the list, in order, or the one text of a bare
// text; anything else names no input.
std::vector<std::string_view> inputsFrom(const RVOptionValue& value)
{
    if (const auto text = value.asText()) {
        return {*text};
    }
    std::vector<std::string_view> inputs;
    if (const auto* items = value.asList()) {
        inputs.reserve(items->size());
        for (const RVOptionValue& item : *items) {
            if (const auto text = item.asText()) {
                inputs.push_back(*text);
            }
        }
    }
    return inputs;
}

} // namespace

RunSettings resolveRunSettings(const RVParams& params)
{
    RunSettings settings;
    settings.filterFileName = getFirst(valueOf(params, OptionName::filter));
    settings.stagingAreaFileName = getFirst(valueOf(params, OptionName::stagingArea));
    settings.filterName = getFirst(valueOf(params, OptionName::filterName));
    settings.inputFormat = inputFormatFrom(getFirst(valueOf(params, OptionName::inputFormat)));
    settings.inputBytes_ = valueOf(params, OptionName::input);
    settings.inputs = inputsFrom(settings.inputBytes_);
    return settings;
}
