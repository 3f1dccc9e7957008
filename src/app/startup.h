// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class MainWindow;

// What every start of the program sets up before its application object
// exists: a write beyond the file size limit fails like a full disk instead
// of killing the program mid-save, and the preview's engine can start on any
// platform.
void prepareProcess();

// SIGTERM, SIGHUP, SIGINT and a logout keep the unsaved text in a recovery
// file and then end the program without asking: nobody is there to answer.
void endCleanlyOnRequest(MainWindow *window);

// What every start does once the window is shown: saves a killed program or
// a stopped machine left half done are put right and the user told, then the
// page named by the argument, if any, is opened.
void openAtStart(MainWindow *window, const char *argument);
