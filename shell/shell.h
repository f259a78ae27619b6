#pragma once
// The shell: what every library above it may use of the running program.
//
//   TApplication          the application object: failures escaping any event end in the report
//   ApplicationTitle      the title message boxes and the taskbar show
//   ErrorReport,          the one place failures end up, now or after a paint
//   RunHandler, ReportLater
//   PlainMessage          the program's own one-button message
//   InstallFocusWithoutWindowManager   keyboard focus on a bare X session
//   PreferX11OnWayland    the platform a Wayland desktop runs the program on
//   ThrowawaySettings     where Qt's own classes keep their settings for one run
//
// Inside, not for other folders: the tooltip timing's style and filter, the X server queries.

#include "shell/application.h"
#include "shell/applicationtitle.h"
#include "shell/errorreport.h"
#include "shell/plainmessage.h"
#include "shell/sessionplatform.h"
#include "shell/throwawaysettings.h"
#include "shell/windowfocus.h"
