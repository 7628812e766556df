#include "varnock/varnock.hpp"

namespace {

const RVOptionValue noValue;

const RVOptionValue& valueOf(const RVParams& params, const std::string& name)
{
    const auto found = params.find(name);
    return found != params.end() ? found->second : noValue;
}

Varnock_InputFormat inputFormatFrom(const std::optional<std::string>& text)
{
    if (text == "pcap") {
        return Varnock_InputFormat_pcap_file;
    }
    return Varnock_InputFormat_mtp3_hexstream; // "mtp3-hexstream" and anything unknown
}

// The inputs are every occurrence, not the first; an element that is
// neither a text nor a number names no input.
std::vector<std::string> inputsFrom(const RVOptionValue& value)
{
    std::vector<std::string> inputs;
    const auto* items = value.asList();
    if (items == nullptr) {
        if (auto single = getFirst(value)) { // a bare text or number is one input
            inputs.push_back(std::move(*single));
        }
        return inputs;
    }
    inputs.reserve(items->size());
    for (const RVOptionValue& item : *items) {
        if (const std::string* text = item.asText()) {
            inputs.push_back(*text);
        } else if (item.kind() == RVOptionValue::Kind::number) {
            inputs.push_back(*getFirst(item));
        }
    }
    return inputs;
}

} // namespace

RunSettings resolveRunSettings(const RVParams& params)
{
    RunSettings settings;
    settings.filterFileName = getFirst(valueOf(params, "filter"));
    settings.stagingAreaFileName = getFirst(valueOf(params, "staging-area"));
    settings.filterName = getFirst(valueOf(params, "filter-name"));
    settings.inputFormat = inputFormatFrom(getFirst(valueOf(params, "input-format")));
    settings.inputs = inputsFrom(valueOf(params, "input"));
    return settings;
}
