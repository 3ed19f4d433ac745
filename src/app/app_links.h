// SPDX-License-Identifier: GPL-3.0-or-later
// The addresses of the link labels and the mail link: build-time settings (CMake cache
// variables of the same names), with defaults that name only the project.
#pragma once

#ifndef SKORLIN_HOME_URL
#define SKORLIN_HOME_URL "https://skorlin.example.org/"
#endif
#ifndef SKORLIN_AUTHOR_NAME
#define SKORLIN_AUTHOR_NAME "Skorlin"
#endif
#ifndef SKORLIN_AUTHOR_MAIL
#define SKORLIN_AUTHOR_MAIL "skorlin@example.org"
#endif
#ifndef SKORLIN_MAIL_GREETING
#define SKORLIN_MAIL_GREETING "Здравствуйте!"
#endif
#ifndef SKORLIN_MESSENGER_URL
#define SKORLIN_MESSENGER_URL "https://skorlin.example.org/contact"
#endif
#ifndef SKORLIN_PARTNER1_URL
#define SKORLIN_PARTNER1_URL "https://skorlin.example.org/sites"
#endif
#ifndef SKORLIN_PARTNER2_URL
#define SKORLIN_PARTNER2_URL "https://skorlin.example.org/blogs"
#endif
#ifndef SKORLIN_PARTNER3_URL
#define SKORLIN_PARTNER3_URL "https://skorlin.example.org/typing"
#endif
#ifndef SKORLIN_VERSION
#define SKORLIN_VERSION "0.0.0.0"
#endif
