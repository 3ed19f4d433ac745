// SPDX-License-Identifier: GPL-3.0-or-later
// The program's version resource, found in the program file by the version reader: the
// build's version texts behind their marker.
#include "version_texts.h"

extern "C" {
__attribute__((used, section(".skorlin_version"))) const char skorlin_version_resource[] =
    "\x7FSKORLIN-VERSION-RESOURCE\n" SKORLIN_VERSION_TEXTS;
}
