#!/usr/bin/env python3
# The collection's module over a fleet: tests/ansible/fleet_test.py ROOT WORK PROGRAM WINE PREFIX.
# One playbook over many local hosts, a server folder each, run by several forks at once without any X
# display: first as a dry run with diffs, then for real, then again. Each host's recap counts and its
# file are checked after each run.
import json
import os
import re
import shutil
import subprocess
import sys

root, work, program, wine, prefix = sys.argv[1:6]  # absolute paths; WINE may be a command's name
here = os.path.dirname(os.path.abspath(__file__))
fleet = os.path.join(work, 'fleet')
failures = []


def fail(what):
    failures.append(what)
    print('FAILED: ' + what)


def sample_settings():
    # The complete settings file of the benchmark and the screenshots (every key of the pages), whose
    # build changes nothing.
    with open(os.path.join(root, 'tools', 'sample_settings.h'), encoding='ascii') as header:
        text = header.read().split('=', 1)[1]
    pieces = re.findall(r'"((?:[^"\\]|\\.)*)"', text)
    return ''.join(pieces).encode('ascii').decode('unicode_escape').encode('cp1252')


SAMPLE = sample_settings()

# Each host: its folder, its task's options, what each run reports (ok, changed or failed: dry run, build,
# build again), and what its file then holds.
HOSTS = {
    'same': dict(folder='same', options={'set': {'maxPlayers': 32}, 'cookies': ['alpha', 'beta']},
                 runs='ok ok ok'),
    # A folder whose name the program gets in code page 1252; values, a flag, list entries with commas and a
    # cookie with 0xE2, and targets.
    'changed': dict(folder="Ærø 'arena'", options={
        'set': {'maxPlayers': 50, 'cloudsOn': False},
        'servers': ['TCP:master.example.net:7000', 'UDP:backup.example.net,7001'],
        'cookies': ['flavour=oat,raisin', 'Grâce'], 'targets': ['Village71', 'Bridge1']},
        runs='changed changed ok', lines=['maxPlayers=50', 'cloudsOn=0'],
        sections={'RegisterWith': ['TCP:master.example.net:7000', 'UDP:backup.example.net,7001'],
                  'Clients': ['Cookie=flavour=oat,raisin', 'Cookie=Grâce'], 'Targets': ['Bridge1', 'Village71']}),
    'emptied': dict(folder='emptied', options={'servers': [], 'cookies': []}, runs='changed changed ok',
                    sections={'RegisterWith': [], 'Clients': []}),
    'new': dict(folder='new', file=None, options={'create': True, 'set': {'maxPlayers': 12}},
                runs='changed changed ok', lines=['maxPlayers=12']),
    'refused': dict(folder='refused', options={'set': {'maxPlayers': 'many'}}, runs='failed failed failed',
                    message=['maxPlayers', 'many']),
    'missing': dict(folder='missing', file=None, options={'set': {'maxPlayers': 20}}, runs='failed failed failed',
                    message=['qv3server.ini', os.path.join(fleet, 'missing')]),
    'broken': dict(folder='broken', wine=os.path.join(here, 'broken-wine'), options={'set': {'maxPlayers': 20}},
                   runs='failed failed failed', message=['exit status 1', 'kernel32']),
    'display': dict(folder='display', prefix=os.path.join(fleet, 'display-prefix'),
                    options={'set': {'maxPlayers': 20}}, runs='failed failed failed', message=['DISPLAY']),
    'unspellable': dict(folder='東京 server', options={'set': {'maxPlayers': 20}}, runs='failed failed failed',
                        message=['Wine cannot open', '東京 server']),
}


def lay_out():
    shutil.rmtree(fleet, ignore_errors=True)
    os.makedirs(fleet)
    # A prefix made for a display: no null graphics driver in its registry.
    os.makedirs(HOSTS['display']['prefix'])
    for name in ('system.reg', 'user.reg'):
        with open(os.path.join(HOSTS['display']['prefix'], name), 'w') as registry:
            registry.write('WINE REGISTRY Version 2\n')
    hosts = {}
    for host, setup in HOSTS.items():
        folder = os.path.join(fleet, setup['folder'])
        os.makedirs(folder)
        if setup.get('file', SAMPLE) is not None:
            with open(os.path.join(folder, 'qv3server.ini'), 'wb') as settings:
                settings.write(SAMPLE)
        hosts[host] = dict(folder=folder, wine=setup.get('wine', wine), prefix=setup.get('prefix', prefix),
                           options=setup['options'])
    # Written as JSON, which is YAML.
    with open(os.path.join(work, 'inventory.yml'), 'w', encoding='utf-8') as inventory:
        json.dump({'fleet': {'hosts': hosts, 'vars': dict(ansible_connection='local', program=program,
                                                          ansible_python_interpreter='/usr/bin/python3')}},
                  inventory, ensure_ascii=False)
    task = {name: '{{ options.%s | default(omit) }}' % name for name in ('set', 'servers', 'cookies', 'targets')}
    task.update(path='{{ folder }}', program='{{ program }}', wine='{{ wine }}', wineprefix='{{ prefix }}',
                create='{{ options.create | default(false) }}')
    with open(os.path.join(work, 'playbook.yml'), 'w') as playbook:
        json.dump([{'hosts': 'fleet', 'gather_facts': False,
                    'tasks': [{'name': "the server's settings", 'skyvarn.config.settings': task}]}], playbook)


def files():
    names = {host: os.path.join(fleet, setup['folder'], 'qv3server.ini') for host, setup in HOSTS.items()}
    return {host: open(name, 'rb').read() if os.path.exists(name) else None for host, name in names.items()}


def playbook(*options):
    environment = {key: value for key, value in os.environ.items() if key != 'DISPLAY'}
    environment.update(ANSIBLE_HOME=os.path.join(work, 'home'),
                       ANSIBLE_COLLECTIONS_PATH=os.path.join(work, 'collections'),
                       ANSIBLE_FORKS='4', ANSIBLE_NOCOLOR='1',
                       ANSIBLE_REMOTE_TEMP=os.path.join(work, 'home', 'remote-tmp'),
                       ANSIBLE_CONFIG=os.path.join(work, 'no-ansible.cfg'), ANSIBLE_STDOUT_CALLBACK='default')
    run = subprocess.run(['ansible-playbook', '-i', os.path.join(work, 'inventory.yml'),
                          os.path.join(work, 'playbook.yml'), *options], env=environment, cwd=work,
                         stdout=subprocess.PIPE, stderr=subprocess.STDOUT, encoding='utf-8', errors='replace')
    counts = re.findall(r'^(\S+)\s+:\s+ok=(\d+)\s+changed=(\d+)\s+unreachable=(\d+)\s+failed=(\d+)',
                        run.stdout.split('PLAY RECAP')[-1], re.MULTILINE)
    return run.stdout, {host: 'failed' if int(failed) or int(unreachable) else 'changed' if int(changed)
                        else 'ok' if int(ok) else '?' for host, ok, changed, unreachable, failed in counts}


def sections(text):
    held, current = {}, None
    for line in text.decode('cp1252').splitlines():
        if line.startswith('['):
            current = held.setdefault(line.strip('[]'), [])
        elif current is not None and line.strip():
            current.append(line)
    return held


def check_run(number, output, recap, before):
    what = ('the dry run', 'the build', 'the second build')[number]
    after = files()
    for host, setup in HOSTS.items():
        expected = setup['runs'].split()[number]
        if recap.get(host) != expected:
            fail('%s: %s reported %s, not %s' % (what, host, recap.get(host), expected))
        for word in setup.get('message', []) if expected == 'failed' else []:
            if not re.search(r'fatal: \[%s\]: FAILED! => .*%s' % (host, re.escape(word)), output):
                fail('%s: the failure of %s does not say "%s"' % (what, host, word))
        # What a dry run, a failure or a second build leaves is the file as it was.
        if (number == 0 or expected != 'changed') and after[host] != before[host]:
            fail('%s: the file of %s changed' % (what, host))
    return after


def check_files(held):
    for host, setup in HOSTS.items():
        found = sections(held[host] or b'')
        for line in setup.get('lines', []):
            if line not in found.get('QV3Server', []):
                fail('%s: no line %s after the build' % (host, line))
        for section, entries in setup.get('sections', {}).items():
            if found.get(section, []) != entries:
                fail('%s: [%s] holds %s, not %s' % (host, section, found.get(section), entries))


def main():
    lay_out()
    held, outputs = files(), []
    for number, what in enumerate(('a dry run with diffs changes no file and shows what a build would change',
                                   'a build changes what the dry run said, and only that',
                                   'a second build changes nothing')):
        print('- ' + what)
        output, recap = playbook(*(('--check', '--diff') if number == 0 else ()))
        outputs.append(output)
        held = check_run(number, output, recap, held)
    # What the build wrote, which the second build kept.
    check_files(held)
    for shown in ('+maxPlayers=50', '-maxPlayers=32', '+Cookie=flavour=oat,raisin', '-Ghistelles'):
        if shown not in outputs[0]:
            fail('the dry run shows no diff line %s' % shown)
    if failures:
        print('\n'.join('--- run %d ---\n%s' % (number + 1, output) for number, output in enumerate(outputs)))
    print('%d failed' % len(failures) if failures else 'all passed')
    return 1 if failures else 0


sys.exit(main())
