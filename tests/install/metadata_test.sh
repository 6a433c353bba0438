#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo.
# usage: metadata_test.sh <packaging folder>
set -euo pipefail
export LC_ALL=C.UTF-8
folder=$1
desktop-file-validate "$folder/org.example.yukipom.desktop"
appstreamcli validate --no-net "$folder/org.example.yukipom.metainfo.xml"
echo "PASS: desktop entry and metainfo are valid"
