#pragma once
// The core: toolkit-free pieces every library uses.
//
//   Exception and its kinds   the program's failures with their fixed messages (errors.h)
//   Cp1250ToUtf8, Utf8ToCp1250   code page 1250 at the edges (cp1250.h)
//   files::                   reading, copying, the current directory (files.h)
//   ReportText                the report's period rule (reporttext.h)
//
// Inside, not for other folders: the hexadecimal digit and little-endian readers, which the
// byte formats above it include directly.

#include "core/cp1250.h"
#include "core/errors.h"
#include "core/files.h"
#include "core/reporttext.h"
