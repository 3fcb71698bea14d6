#include "info/LinkStyle.h"

namespace bitloom {

LinkStyleLook LookOf(TLinkStyle style)
{
    switch (style) {
    case TLinkStyle::lsHref: return {MakeColour(0, 0, 0), true, "http://"};
    case TLinkStyle::lsMail: return {MakeColour(0, 0, 255), true, "mailto:"};
    case TLinkStyle::lsIcq: return {MakeColour(128, 0, 0), true, "icqto:"};
    case TLinkStyle::lsMsn: return {MakeColour(0, 128, 128), true, "mailto:"};
    case TLinkStyle::lsNone: break;
    }
    return {MakeColour(0, 0, 128), false, "noactive:"};
}

std::string LinkStatusText(TLinkStyle style, std::string_view statusText, std::string_view link)
{
    if (!statusText.empty())
        return std::string(statusText);
    return std::string(LookOf(style).statusPrefix) + std::string(link);
}

std::optional<LinkClick> ClickOf(TLinkStyle style, std::string_view link)
{
    if (link.empty())
        return std::nullopt;
    const std::string target(link);
    switch (style) {
    case TLinkStyle::lsHref: return LinkClick{true, "http://" + target};
    case TLinkStyle::lsMail:
    case TLinkStyle::lsMsn: return LinkClick{false, "mailto:" + target};
    case TLinkStyle::lsIcq:
        return LinkClick{false, "http://" + std::string(MessengerHost) + "/scripts/contact.dll?msgto=" + target};
    case TLinkStyle::lsNone: break;
    }
    return std::nullopt;
}

} // namespace bitloom
