#pragma once

// The user's game options that live outside the main window's option word.

// Event boxes (flag MSG_EVENT) are shown; off, they are skipped unseen.
extern bool g_optShowEvents;
