// SPDX-License-Identifier: MIT
#pragma once

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace orvane {

// Qt's own connection to the X server, or nothing on other platforms.
xcb_connection_t* x11Connection();

// The first screen of the connection, whose root window spans the whole desktop.
const xcb_screen_t* x11RootScreen(xcb_connection_t* connection);

// xcb hands replies and errors over to be freed with free().
template <typename Reply> using X11Reply = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> X11Reply<Reply> ownedReply(Reply* reply)
{
    return {reply, &std::free};
}

} // namespace orvane
