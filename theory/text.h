#pragma once

// Marks a text a person reads, in the context the windows look it up in: the translation tools
// collect it (see translations/CMakeLists.txt), and theory/ stays free of Qt. A window shows
// QCoreApplication::translate(context, text).
#define RURIZED_TEXT(context, text) text
