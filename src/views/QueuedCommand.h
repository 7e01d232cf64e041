#pragma once

#include <QMetaObject>
#include <QObject>

#include <type_traits>
#include <utility>

namespace kvf::views {

// A command chosen in a menu, a popup or a list runs after the event that chose it, once the
// handler of that event has returned. A command that rebuilds, checks or shows a dialog lets
// the application process events on its way (the progress dialog at each step, a dialog's
// own loop), and meanwhile the menu may delete itself as it closes, or the list may be filled
// anew; a command run inside the handler would leave the handler, and the slot that holds
// the command's own state, in freed memory. The command is dropped when `context` is gone by
// the time it would run, so it captures only what `context` keeps alive (or guards the rest).
template <typename Command> void RunQueued(QObject* context, Command command) {
    QMetaObject::invokeMethod(context, std::move(command), Qt::QueuedConnection);
}

// A slot for a menu action's or a list's signal that queues `command`, with the signal's
// arguments copied: connect(action, &QAction::triggered, this, Queued(this, command)).
template <typename Command> auto Queued(QObject* context, Command command) {
    return [context, command = std::move(command)](auto... arguments) {
        RunQueued(context, [command, arguments...] {
            if constexpr (std::is_invocable_v<const Command&, decltype(arguments)...>)
                command(arguments...);
            else
                command(); // a slot that takes none of the signal's arguments
        });
    };
}

} // namespace kvf::views
