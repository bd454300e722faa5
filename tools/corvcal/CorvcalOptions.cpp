#include "CorvcalOptions.h"

#include "CorvcalArgs.h"

namespace corvane::corvcal
{

namespace
{

enum class ColorWhen {
    Auto,
    Always,
    Never
};

ColorWhen ParseColorWhen(std::string_view when, std::string_view arg)
{
    if (when == "auto")
        return ColorWhen::Auto;
    if (when == "always")
        return ColorWhen::Always;
    if (when == "never")
        return ColorWhen::Never;
    throw UsageError("option " + Quoted(arg) + " takes auto, always or never");
}

bool IsOption(std::string_view arg, unsigned accepted)
{
    if (arg == "-3")
        return (accepted & kLayoutOptions) != 0;
    return LooksLikeOption(arg);
}

} // namespace

bool LooksLikeOption(std::string_view arg)
{
    // "-3" is the month grid's option; other negative numbers are operands.
    return arg == "-3" || (arg.size() > 1 && arg[0] == '-' && (arg[1] < '0' || arg[1] > '9'));
}

Invocation ParseInvocation(Args args, unsigned accepted, const Terminal &terminal, std::string_view usage)
{
    Invocation call;
    ColorWhen color = ColorWhen::Auto;
    const bool layout = (accepted & kLayoutOptions) != 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--") {
            call.args.insert(call.args.end(), args.begin() + std::ptrdiff_t(i) + 1, args.end());
            break;
        }
        if (!IsOption(arg, accepted))
            call.args.push_back(arg);
        else if (arg == "--json" && (accepted & kJsonOption))
            call.json = true;
        else if (arg == "-3" && layout)
            call.threeMonths = true;
        else if (arg == "-y" && layout)
            call.wholeYear = true;
        else if (arg == "--monday" && layout)
            call.monday = true;
        else if (arg == "--color")
            color = ColorWhen::Always;
        else if (arg.starts_with("--color="))
            color = ParseColorWhen(arg.substr(8), arg);
        else if (arg.starts_with("--mode=") && (accepted & kModeOption))
            call.mode = arg.substr(7);
        else if (arg == "--mode" && (accepted & kModeOption)) {
            if (i + 1 == args.size())
                throw UsageError("--mode needs a value, month or term; usage: " + std::string(usage));
            call.mode = args[++i];
        } else
            throw UsageError("unknown option " + Quoted(arg) + "; usage: " + std::string(usage));
    }
    call.color = color == ColorWhen::Always || (color == ColorWhen::Auto && terminal.isTerminal && !terminal.noColor);
    return call;
}

} // namespace corvane::corvcal
