#!/usr/bin/env bash
# Runs one libFuzzer target for a bounded time.
#   uruchom.sh TARGET SEEDS WORKDIR SECONDS [more libFuzzer options]
# New inputs the run finds go to WORKDIR/korpus (the seeds in the repository are only
# read); a crash, hang or leak is kept as WORKDIR/crash-*, timeout-*, leak-*, oom-*.
set -eu
cel=$1 nasiona=$2 praca=$3 czas=$4
shift 4
mkdir -p "$praca/korpus" "$nasiona"
# Options given after SECONDS come later and win over these defaults.
exec "$cel" -max_total_time="$czas" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
  -artifact_prefix="$praca/" -print_final_stats=1 "$@" "$praca/korpus" "$nasiona"
