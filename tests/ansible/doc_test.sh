#!/usr/bin/env bash
# The collection as its users meet it: ansible-doc shows the module's page and reads its documentation,
# examples and return values back, every example uses documented options only, and ansible-galaxy builds
# the collection. (Debian's Python has the YAML reader that ansible-core uses.)
set -u
root=$1 work=$2
export ANSIBLE_HOME="$work/home" ANSIBLE_COLLECTIONS_PATH="$work/collections" ANSIBLE_NOCOLOR=1
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# The page as ansible-doc shows it, which also formats every text, and the parts it read.
ansible-doc -t module skyvarn.config.settings >"$work/doc.txt" 2>&1 ||
    { fail "ansible-doc cannot show the module's documentation:"; cat "$work/doc.txt"; }
ansible-doc --json -t module skyvarn.config.settings >"$work/doc.json" 2>"$work/doc.err" ||
    { fail "ansible-doc cannot read the module's documentation:"; cat "$work/doc.err"; }
/usr/bin/python3 - "$work/doc.json" <<'EOF' || fail "the documentation read back"
import json, sys, yaml
doc = json.load(open(sys.argv[1]))['skyvarn.config.settings']
options = set(doc['doc']['options'])
required = {name for name, option in doc['doc']['options'].items() if option.get('required')}
assert doc['return'] and doc['examples'], 'no return values or no examples'
for example in yaml.safe_load(doc['examples']):
    given = set(example['skyvarn.config.settings'])
    assert required <= given <= options, '%s: lacks %s or has undocumented %s' % (
        example['name'], required - given, given - options)
EOF

ansible-galaxy collection build --force --output-path "$work/dist" "$root/ansible" >"$work/build.out" 2>&1 ||
    { fail "ansible-galaxy cannot build the collection:"; cat "$work/build.out"; }

[ "$failures" -eq 0 ] && echo "all passed"
exit $((failures > 0))
