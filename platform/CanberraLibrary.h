// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <canberra.h>

// The sound library's functions, looked up when the first sound is to be
// played rather than linked: the program starts without the library and its
// codecs, and a machine that lacks it is simply silent.
struct CanberraLibrary {
    decltype(&ca_context_create) contextCreate;
    decltype(&ca_context_set_driver) contextSetDriver;
    decltype(&ca_context_change_props) contextChangeProps;
    decltype(&ca_context_open) contextOpen;
    decltype(&ca_context_play_full) contextPlayFull;
    decltype(&ca_context_cancel) contextCancel;
    decltype(&ca_context_destroy) contextDestroy;
    decltype(&ca_proplist_create) proplistCreate;
    decltype(&ca_proplist_sets) proplistSets;
    decltype(&ca_proplist_destroy) proplistDestroy;

    // Loads libcanberra.so.0 once per process and keeps it; nullptr when it
    // is missing or lacks one of the functions.
    static const CanberraLibrary* load();
};
