// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanberraLibrary.h"

#include <QLibrary>

#include <optional>

namespace {

std::optional<CanberraLibrary> resolveAll()
{
    QLibrary library(QStringLiteral("canberra"), 0);
    if (!library.load())
        return std::nullopt;
    bool complete = true;
    auto resolve = [&](auto& function, const char* symbol) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(symbol));
        complete = complete && function;
    };
    CanberraLibrary functions;
    resolve(functions.contextCreate, "ca_context_create");
    resolve(functions.contextSetDriver, "ca_context_set_driver");
    resolve(functions.contextChangeProps, "ca_context_change_props");
    resolve(functions.contextOpen, "ca_context_open");
    resolve(functions.contextPlayFull, "ca_context_play_full");
    resolve(functions.contextCancel, "ca_context_cancel");
    resolve(functions.contextDestroy, "ca_context_destroy");
    resolve(functions.proplistCreate, "ca_proplist_create");
    resolve(functions.proplistSets, "ca_proplist_sets");
    resolve(functions.proplistDestroy, "ca_proplist_destroy");
    if (!complete)
        return std::nullopt;
    return functions;
}

} // namespace

const CanberraLibrary* CanberraLibrary::load()
{
    // Never unloaded: the sound server's client keeps threads and exit
    // handlers inside it.
    static const std::optional<CanberraLibrary> functions = resolveAll();
    return functions ? &*functions : nullptr;
}
