#!/bin/bash
# routes.sh parallel|slurm BINDIR SUBMIT: a library made in shards by GNU parallel (the README's
# command line) or by submit-slurm on a one-node Slurm cluster started here, then merged, must be
# the library one run makes. Exit 77: skipped, with the reason.
set -u
route=$1 bin=$2 submit=$3
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; for f in "$dir"/*.log "$dir"/lib/*.log; do [[ -f $f ]] && tail -n 5 "$f"; done; exit 1; }
dir=$(mktemp -d) pids=() jobs=
# Everything started here goes, whatever happens: the jobs, then the daemons.
trap '[[ -n $jobs ]] && scancel ${jobs//,/ }; for p in "${pids[@]}"; do kill "$p"; done; wait; rm -rf "$dir"' EXIT
export PATH="$bin:$PATH"

if [[ $route == parallel ]]; then
    n=21 k=3
    command -v parallel > /dev/null || skip "GNU parallel is not installed"
    mkdir -p "$dir/lib"
    parallel --will-cite makelibrary --deals $n --seed 9 --shard {}/$k --threads 1 --out "$dir/lib/shard-{}" \
        '2>' "$dir/lib/shard-{}.log" ::: $(seq 0 $((k - 1))) || fail "a shard failed"
    makelibrary --merge --out "$dir/lib" "$dir"/lib/shard-*/ || fail "the merge failed"
    makelibrary --deals $n --seed 9 --shard 1/$k --out "$dir/lib/shard-1" 2>&1 | grep -q "made already" ||
        fail "a shard run again does not find its shard made"
    # Without --threads, DDS takes the cores the process may use, not the machine's.
    taskset -c 0 makelibrary --deals 1 --seed 9 --out "$dir/pinned" 2>&1 | grep -qx ".*with 1 thread" ||
        fail "DDS's threads do not follow the CPU affinity"
else
    n=24 k=4
    [[ $(id -u) == 0 ]] || skip "starting slurmd needs root"
    for d in munged slurmctld slurmd sbatch squeue sinfo; do
        command -v $d > /dev/null || skip "$d is not installed"
    done
    port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
    host=$(hostname -s)
    mkdir -p "$dir/state" "$dir/spool" && chmod 700 "$dir"
    dd if=/dev/urandom of="$dir/munge.key" bs=1024 count=1 status=none && chmod 600 "$dir/munge.key"
    export SLURM_CONF="$dir/slurm.conf"
    # The cluster's settings; @NAME@ stands for the value of the shell's $NAME.
    ctlport=$(port) nodeport=$(port) cpus=$(nproc)
    sed -e "s|@dir@|$dir|g; s|@host@|$host|g; s|@ctlport@|$ctlport|g" \
        -e "s|@nodeport@|$nodeport|g; s|@cpus@|$cpus|g" "${0%/*}/slurm.conf.in" > "$SLURM_CONF"
    munged -F --force --socket="$dir/munge.socket" --key-file="$dir/munge.key" \
        --pid-file="$dir/munged.pid" --log-file="$dir/munged.log" --seed-file="$dir/munged.seed" 2> "$dir/munged.err" &
    pids+=($!)
    for ((t = 0; t < 100; t++)); do [[ -S $dir/munge.socket ]] && break; sleep 0.1; done
    slurmctld -D -i 2> "$dir/slurmctld.err" & pids+=($!)
    slurmd -D -N "$host" 2> "$dir/slurmd.err" & pids+=($!)
    for ((t = 0; t < 60; t++)); do
        sinfo -h -o %T 2> /dev/null | grep -qx idle && break
        sleep 1
    done
    ((t < 60)) || skip "the Slurm daemons did not start: $(tail -qn 2 "$dir"/*.err "$dir"/*.log 2> /dev/null | tr '\n' ' ')"
    ids=$("$submit" $n 9 $k "$dir/lib") || fail "submit-slurm failed"
    echo "$ids"
    jobs=$(grep -o 'job [0-9]*' <<< "$ids" | cut -d' ' -f2 | paste -sd,)
    for ((t = 0; t < 900; t++)); do
        [[ -z $(squeue -h -j "$jobs" 2> /dev/null) ]] && break
        sleep 1
    done
    echo "Slurm jobs seen: $jobs"
fi
makelibrary --deals $n --seed 9 --threads 1 --out "$dir/one" 2> /dev/null || fail "the single run failed"
for f in Library.bin Library.asc; do
    cmp "$dir/one/$f" "$dir/lib/$f" || fail "$f of the $route route differs from one run's"
done
echo "$route: $k shards of $n deals merged into the library one run makes"
