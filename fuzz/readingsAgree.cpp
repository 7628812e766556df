#include "fuzz/readingsAgree.hpp"

namespace {

// The places where the service is meant to differ from getopt_long: it
// refuses lines that getopt_long accepts, as it does not expand "--verb" to
// "--verbose", nor read "-input=x" as -i with the value "nput=x" (nor
// "-color" as -c with "olor"). Error texts never count, nor which error
// comes first. What getopt_long leaves to the program is the program's
// error on the getopt side (getoptReading.hpp): words that do not fit the
// operands, such as any word for a table without operands, and a missing
// or unknown command. On lines that both accept, the help option given
// both before and after the command counts as the service counts it
// (getoptReading.cpp says how).
bool meantToDiffer(const RVUsageError& error, const GetoptReading& getopt)
{
    using Kind = RVUsageError::Kind;
    return (error.kind == Kind::unknownOption && getopt.expanded.contains(error.word)) ||
           (error.kind == Kind::singleDashLongName && getopt.joined.contains(error.word));
}

} // namespace

bool readingsAgree(const GetoptTable& known, const RVParseResult& result,
                   const GetoptReading& getopt)
{
    if (result.error) {
        return getopt.error || meantToDiffer(*result.error, getopt);
    }
    return !getopt.error && getopt.expanded.empty() && getopt.params == result.params &&
           getopt.action == result.action && getopt.actionPart == result.actionPart &&
           getopt.command == result.command &&
           (!known.varnockOptions || getopt.settings == resolveRunSettings(result.params));
}
