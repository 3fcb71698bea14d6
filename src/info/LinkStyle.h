#pragma once

#include "viewer/Palette.h"

#include <optional>
#include <string>
#include <string_view>

namespace bitloom {

// The kinds of link the link label knows, in their stored order.
enum class TLinkStyle { lsNone, lsHref, lsMail, lsIcq, lsMsn };

// How a style looks: the colour it gives both fonts, whether the pointer
// turns into a hand over the link, and what the status text starts with.
struct LinkStyleLook {
    ColourValue colour;
    bool handCursor;
    std::string_view statusPrefix;
};

LinkStyleLook LookOf(TLinkStyle style);

// The status text shown while the pointer is over a link: the label's own
// StatusText when it has one, otherwise the style's prefix and the link.
std::string LinkStatusText(TLinkStyle style, std::string_view statusText, std::string_view link);

// The host of the messenger's contact page, ours to choose.
inline constexpr std::string_view MessengerHost = "im.bitloom.test";

// What a left click on a link does: start the default browser program
// first where the style asks for it, then have the desktop open the address.
struct LinkClick {
    bool startBrowser;
    std::string address;
};

// Nothing for lsNone or an empty link.
std::optional<LinkClick> ClickOf(TLinkStyle style, std::string_view link);

} // namespace bitloom
