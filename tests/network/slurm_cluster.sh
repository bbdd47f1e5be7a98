#!/bin/bash
# The cluster executor on a real one-node Slurm cluster started here for the
# test: munged as the munge user with its own key and socket, slurmctld and
# slurmd as root, all below a temporary folder and on ports nobody listens
# on.  The four real stations of 2021-01-01 run on this machine and on the
# cluster (arrays cut small, so that there are two of them, throttled); the
# outputs must be the same byte for byte.  Then a task that fails there, a
# run without --wait summed up later by status and summary, Ctrl-C while
# waiting, and the message when sbatch is missing.
# Without root or the packages the test is skipped (status 77), but in CI a
# cluster that cannot start is a failure.  The daemons are stopped by their
# process ids whatever happens.
# Usage: slurm_cluster.sh NETWORK_PROGRAM TEST_DATA_DIR
set -u
source "$(dirname "$0")/../support/check.sh" || exit 2
net=$1
data=$2

cannot_start() {
  echo "the cluster cannot start: $1"
  [ -n "${CI:-}" ] && exit 1
  exit 77
}

[ "$(id -u)" = 0 ] || cannot_start "slurmctld and slurmd start as root"
for command in munged slurmctld slurmd sbatch scontrol sinfo squeue scancel runuser; do
  command -v "$command" >/dev/null || cannot_start "no $command (packages slurm-wlm and munge)"
done
getent passwd munge >/dev/null || cannot_start "no munge user"

work=$(mktemp -d /tmp/net-cluster.XXXXXX)
# munged wants every folder above its socket open to all.
chmod 755 "$work"
ctld_pid=
slurmd_pid=

stop_cluster() {
  if [ -n "$ctld_pid" ]; then
    scancel --user=root 2>/dev/null
    for _ in $(seq 20); do
      [ -z "$(squeue -h 2>/dev/null)" ] && break
      sleep 0.5
    done
  fi
  for pid in $slurmd_pid $ctld_pid; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  if [ -s "$work/munge/munged.pid" ]; then
    munged_pid=$(cat "$work/munge/munged.pid")
    kill "$munged_pid" 2>/dev/null
    while kill -0 "$munged_pid" 2>/dev/null; do sleep 0.1; done
  fi
  rm -rf "$work"
}
trap stop_cluster EXIT

# A port nobody listens on.
free_port() {
  local port
  for port in $(shuf -i 20000-60000 -n 100); do
    [ "$port" = "${1:-}" ] && continue
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
      echo "$port"
      return
    fi
  done
}

check "no sbatch: the message" "**** Quintavelmor-net: Error -> --slurm: sbatch is not on the PATH; run where the cluster's commands are, or without --slurm on this machine ****" \
  "$(PATH=/nonexistent "$net" run "$data/network" -o "$work/none" --star wsra --slurm 2>&1 | sed -n 2p)"
check "no sbatch: nothing planned" "" "$(ls "$work")"

mkdir -p "$work/munge" "$work/state" "$work/spool" "$work/log"
dd if=/dev/urandom of="$work/munge/munge.key" bs=1024 count=1 status=none
chown -R munge: "$work/munge"
chmod 400 "$work/munge/munge.key"
runuser -u munge -- munged --key-file="$work/munge/munge.key" \
  --socket="$work/munge/munge.socket" --pid-file="$work/munge/munged.pid" \
  --log-file="$work/munge/munged.log" --seed-file="$work/munge/munged.seed" ||
  cannot_start "munged: $(tail -1 "$work/munge/munged.log" 2>/dev/null)"

node=$(slurmd -C | head -1)
name=$(echo "$node" | sed 's/^NodeName=\([^ ]*\).*/\1/')
ctld_port=$(free_port)
slurmd_port=$(free_port "$ctld_port")
export SLURM_CONF=$work/slurm.conf
cat >"$SLURM_CONF" <<CONF
ClusterName=nettest
SlurmctldHost=$name(127.0.0.1)
SlurmctldPort=$ctld_port
SlurmdPort=$slurmd_port
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
CredType=cred/munge
AuthInfo=socket=$work/munge/munge.socket
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
MpiDefault=none
ReturnToService=2
MaxArraySize=2
StateSaveLocation=$work/state
SlurmdSpoolDir=$work/spool
SlurmctldPidFile=$work/slurmctld.pid
SlurmdPidFile=$work/slurmd.pid
SlurmctldLogFile=$work/log/slurmctld.log
SlurmdLogFile=$work/log/slurmd.log
$node NodeAddr=127.0.0.1 State=UNKNOWN
PartitionName=net Nodes=$name Default=YES MaxTime=INFINITE State=UP
CONF
slurmctld -D -f "$SLURM_CONF" >"$work/log/slurmctld.out" 2>&1 &
ctld_pid=$!
slurmd -D -f "$SLURM_CONF" >"$work/log/slurmd.out" 2>&1 &
slurmd_pid=$!
for _ in $(seq 60); do
  [ "$(sinfo -h -o %T 2>/dev/null)" = idle ] && break
  sleep 0.5
done
[ "$(sinfo -h -o %T 2>/dev/null)" = idle ] ||
  cannot_start "the node is not idle: $(tail -2 "$work"/log/*.log)"

cd "$work" || exit 1
mkdir archive
cp "$data/crinex/delf0010.21d" "$data/crinex/zegv0010.21o" "$data/network/wsra0010.21d" \
  "$data/network/eijs0010.21d" "$data/network/CBW100NLD_R_20210010000_01D_MN.rnx" archive/

# The submitter's lines with the job ids as JOB.
jobs_printed() { sed 's/^job [0-9]*:/job JOB:/' "$1"; }
# Waits until the job the submitter printed (in file $1) has left the queue.
job_left_queue() {
  local job
  job=$(sed -n 's/^job \([0-9]*\):.*/\1/p' "$1")
  for _ in $(seq 120); do
    [ -z "$(squeue -h -j "$job" 2>/dev/null)" ] && return
    sleep 0.5
  done
}

# The outputs name their folder: both runs write to "out", from folders of
# their own.
mkdir here there
cd here || exit 1
"$net" run ../archive -o out --nearest 1 --systems GE -j 2 >/dev/null 2>../local.err
check "this machine: status" 0 $?
cd ../there || exit 1
# One task per element (200 s of 5 minutes), two elements an array at most.
"$net" run ../archive -o out --nearest 1 --systems GE --slurm --time 5 --task-seconds 200 \
  --throttle 2 --wait >../out 2>../err
check "cluster: status" 0 $?
cd .. || exit 1
check "cluster: the arrays" "job JOB: tasks 1 to 2 of 3 in out/slurm/1/plan.txt, 2 elements of up to 1
job JOB: tasks 3 to 3 of 3 in out/slurm/1/plan.txt, 1 elements of up to 1" "$(jobs_printed out)"
check "cluster: tally" "3 tasks: 3 done, 0 failed, 0 skipped" "$(tail -1 err)"
check "cluster: outputs the same as this machine's" "" \
  "$(diff -r --exclude=slurm here/out there/out 2>&1)"
check "cluster: the plan submitted" "$(cat here/out/plan.txt)" "$(cat there/out/slurm/1/plan.txt)"
# A broken input: its task fails on the cluster, the others are skipped.
cd there || exit 1
head -n 60 "$data/network/eijs0010.21d" >../archive/eijs0010.21d
"$net" run ../archive -o out --nearest 1 --systems GE --slurm --wait >../out 2>../err
check "failed task: status" 1 $?
check "failed task: the tally" "3 tasks: 0 done, 1 failed, 2 skipped
failed 2021/001/delf-eijs: conversion: Quintavelmor-sd: Error -> ../archive/eijs0010.21d, line 60: compact RINEX data end inside an epoch (the file is cut short)" \
  "$(tail -2 ../err)"

# Without --wait: the job id now, the outcome later from the manifests.
cp "$data/network/eijs0010.21d" ../archive/
"$net" run ../archive -o out --nearest 1 --systems GE --slurm >../out 2>../err
check "no wait: status" 0 $?
check "no wait: the array" "job JOB: tasks 1 to 1 of 1 in out/slurm/3/plan.txt, 1 elements of up to 1" \
  "$(jobs_printed ../out)"
check "no wait: the hint" 'submitted; "Quintavelmor-net status out" counts the tasks as they end' \
  "$(tail -1 ../err)"
check "no wait: the task submitted" "delf eijs" \
  "$(grep -v '^#' out/slurm/3/plan.txt | cut -f2,3 | tr '\t' ' ')"
job_left_queue ../out
check "no wait: status later" "3 tasks: 3 done, 0 failed" "$("$net" status out)"
"$net" summary out
check "no wait: summary later" "$(cat ../here/out/summary.csv)" "$(cat out/summary.csv)"

# Ctrl-C while waiting: the waiting stops, the job runs on.  The run gets a
# process group of its own (as a terminal's foreground job has), with SIGINT
# not ignored as it is for a script's background commands.
touch ../archive/wsra0010.21d
setsid env --default-signal=INT "$net" run ../archive -o out --nearest 1 --systems GE --slurm \
  --wait >../out 2>../err &
run=$!
for _ in $(seq 100); do
  grep -q '^job ' ../out && break
  sleep 0.1
done
kill -INT -- "-$run"
wait "$run"
check "Ctrl-C while waiting: status" 130 $?
check "Ctrl-C while waiting: the message" \
  'stopped waiting: the arrays run on; "Quintavelmor-net status out" counts the tasks as they end' \
  "$(tail -1 ../err)"
job_left_queue ../out
"$net" run ../archive -o out --nearest 1 --systems GE --slurm --wait >../out 2>../err
check "Ctrl-C while waiting: the job ran on, its task is done" \
  "3 tasks: 0 done, 0 failed, 3 skipped" "$(tail -1 ../err)"
exit $((failures > 0))
