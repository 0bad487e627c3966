// Framework umbrella: the platform headers every part of the program uses.
#pragma once

#ifndef WINVER
#define WINVER 0x0600
#endif
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#endif
#ifndef _WIN32_IE
#define _WIN32_IE 0x0600
#endif

#include <windows.h>
#include <commctrl.h>
#include <mbstring.h>
#include <string.h>
#include <stdio.h>

#include "fw/String.h"
#include "fw/Array.h"
#include "fw/Time.h"
