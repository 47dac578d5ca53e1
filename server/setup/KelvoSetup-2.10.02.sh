#!/bin/sh
# The sample server's installer. It stands in for a real one: it changes nothing and only adds a
# line to Update.log in the folder it was started in, so that a demo can see that it ran.
echo "Kelvo 2.10.02 sample installer ran at $(date '+%Y-%m-%d %H:%M:%S')" >> Update.log
