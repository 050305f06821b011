#!/bin/sh
# The OpenGL libraries (and the software renderer behind them) mapped into process PID, one a
# line: the program draws nothing with GL, and loading them costs its start 50 MB and more.
#   gl-libraries.sh PID
grep -E 'lib(GL|GLX|EGL|GLESv2|LLVM|gallium)[-.]|swrast_dri' "/proc/$1/maps" |
    awk '{ print $NF }' | sort -u
