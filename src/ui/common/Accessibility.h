#pragma once

// What screen readers meet where Qt's own interfaces fall short: the program's windows as
// frames (a plain top-level widget is a "filler"), and a radio button whose toggle or press
// action clicks it, so that a choice made by assistive technology runs what a click runs.
// Safe to call more than once.
void installAccessibleInterfaces();
