// SPDX-License-Identifier: GPL-3.0-or-later
#include "FontConfigPreload.h"

#include <fontconfig/fontconfig.h>

FontConfigPreload::FontConfigPreload()
    : m_loader([] { FcInit(); })
{
}

FontConfigPreload::~FontConfigPreload()
{
    finish();
}

void FontConfigPreload::finish()
{
    if (m_loader.joinable())
        m_loader.join();
}
