// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/WindowPosition.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace WindowPosition {

namespace {

struct FreeReply
{
    void operator()(void* reply) const { std::free(reply); }
};

} // namespace

std::optional<QPoint> OnServer(const QWidget& widget)
{
    const QWidget* window = widget.window();
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection() || window->internalWinId() == 0) {
        return std::nullopt;
    }
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window->internalWinId());
    const std::unique_ptr<xcb_get_geometry_reply_t, FreeReply> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr));
    if (!geometry) {
        return std::nullopt;
    }
    const std::unique_ptr<xcb_translate_coordinates_reply_t, FreeReply> corner(
        xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, id, geometry->root, 0, 0), nullptr));
    if (!corner) {
        return std::nullopt;
    }
    // The server counts device pixels.
    const qreal ratio = window->devicePixelRatioF();
    return QPoint(qRound(corner->dst_x / ratio), qRound(corner->dst_y / ratio));
}

void TakeFromServer(QWidget& widget)
{
    QWidget* window = widget.window();
    const std::optional<QPoint> shown = OnServer(*window);
    if (!shown) {
        return;
    }
    const QPoint believed = window->mapToGlobal(QPoint(0, 0));
    if (*shown != believed) {
        // The manager answers the move with the position it keeps, which is this one.
        window->move(window->pos() + (*shown - believed));
    }
}

} // namespace WindowPosition
