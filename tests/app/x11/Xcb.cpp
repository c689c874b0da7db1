#include "Xcb.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <cstring>

namespace x11test {

xcb_connection_t* Connection() {
  return qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_window_t Root() { return xcb_setup_roots_iterator(xcb_get_setup(Connection())).data->root; }

xcb_atom_t Atom(const char* name) {
  xcb_connection_t* c = Connection();
  xcb_intern_atom_reply_t* r =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  xcb_atom_t atom = XCB_ATOM_NONE;
  if (r) atom = r->atom;
  std::free(r);
  return atom;
}

std::string AtomName(xcb_atom_t atom) {
  xcb_connection_t* c = Connection();
  xcb_get_atom_name_reply_t* r = xcb_get_atom_name_reply(c, xcb_get_atom_name(c, atom), nullptr);
  std::string name = r ? std::string(xcb_get_atom_name_name(r), xcb_get_atom_name_name_length(r)) : std::string();
  std::free(r);
  return name;
}

std::vector<std::uint32_t> Property(xcb_window_t window, const char* name, xcb_atom_t type) {
  xcb_connection_t* c = Connection();
  xcb_get_property_reply_t* r =
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, Atom(name), type, 0, 1024), nullptr);
  std::vector<std::uint32_t> values;
  if (r && r->format == 32) {
    const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(r));
    values.assign(v, v + xcb_get_property_value_length(r) / 4);
  }
  std::free(r);
  return values;
}

std::vector<std::uint32_t> Property(QWidget* w, const char* name, xcb_atom_t type) {
  return Property(static_cast<xcb_window_t>(w->winId()), name, type);
}

QRect FrameOnScreen(QWidget* w) {
  xcb_connection_t* c = Connection();
  const xcb_window_t root = Root();
  xcb_window_t window = static_cast<xcb_window_t>(w->winId());
  for (;;) {
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr);
    const xcb_window_t parent = tree ? tree->parent : root;
    std::free(tree);
    if (parent == root || parent == XCB_WINDOW_NONE) break;
    window = parent;
  }
  xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
  QRect frame;
  if (g) frame = QRect(g->x, g->y, g->width + 2 * g->border_width, g->height + 2 * g->border_width);
  std::free(g);
  return frame;
}

QPoint ClientOnScreen(QWidget* w) {
  xcb_connection_t* c = Connection();
  xcb_translate_coordinates_reply_t* r = xcb_translate_coordinates_reply(
      c, xcb_translate_coordinates(c, static_cast<xcb_window_t>(w->winId()), Root(), 0, 0), nullptr);
  const QPoint at = r ? QPoint(r->dst_x, r->dst_y) : QPoint();
  std::free(r);
  return at;
}

void Activate(QWidget* w) {
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = static_cast<xcb_window_t>(w->winId());
  message.type = Atom("_NET_ACTIVE_WINDOW");
  message.data.data32[0] = 2;  // from a pager: the window manager does not weigh it as focus stealing
  message.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(Connection(), 0, Root(),
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(Connection());
}

void ScreenShot(const std::string& name) {
  const char* dir = std::getenv("TARVIK_SCREENSHOT_DIR");
  if (!dir || !*dir) return;
  QCoreApplication::processEvents();
  QScreen* screen = QGuiApplication::primaryScreen();
  const QString folder = QString::fromLocal8Bit(dir);
  QDir().mkpath(folder);
  const QString size = QStringLiteral("%1x%2").arg(screen->size().width()).arg(screen->size().height());
  screen->grabWindow(0).save(folder + QLatin1Char('/') + QString::fromStdString(name) + QLatin1Char('-') + size +
                             QStringLiteral(".png"));
}

}  // namespace x11test
