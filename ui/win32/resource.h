#pragma once

// Resource ids of the Windows program; the dialog itself is built in memory
// from the form (dialogtemplate.h). Included by vendrel.rc as well.
#define IDR_MAINFRAME 128
