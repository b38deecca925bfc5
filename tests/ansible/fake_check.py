#!/usr/bin/env python3
# A stand-in for skyvarn-check.exe that speaks its --json answer and exit statuses, so that the module's
# test runs before the program itself does: a few keys with the editor's rules for them, the lists, and a
# unified diff. Run through fake-wine as the program runs through Wine (folders named by their Z: paths).
import difflib
import json
import os
import sys

RULES = {
    # key: (what the page takes, how it stores it); None takes any text
    'serverDesc': None, 'password': None, 'useMap': None, 'gameType': None,
    'maxPlayers': 'digits', 'clientTimeoutSec': 'digits', 'cloudsOn': 'switch', 'manuallyChooseTargets': 'switch',
}
LISTS = {'servers': ('RegisterWith', ''), 'cookies': ('Clients', 'Cookie='), 'targets': ('Targets', '')}


def unix(path):
    return path[2:].replace('\\', '/') if path[1:2] == ':' else path


def read_list(text):
    if text.startswith('@'):
        with open(unix(text[1:]), encoding='cp1252') as listed:
            return [line.strip() for line in listed if line.strip()]
    return [entry.strip() for entry in text.split(',')] if text.strip() else []


def answer(report, status):
    report['status'] = status
    sys.stdout.buffer.write(json.dumps([report], ensure_ascii=False).encode('utf-8'))
    if 'error' in report:
        sys.stderr.write('skyvarn-check: %s\n' % report['error'])
    sys.exit(status)


def main(arguments):
    build = create = False
    sets, lists, folder = [], {}, '.'
    while arguments:
        argument = arguments.pop(0)
        if argument in ('--build', '--create', '--json'):
            build, create = build or argument == '--build', create or argument == '--create'
        elif argument == '--set':
            sets.append(arguments.pop(0).split('=', 1))
        elif argument[2:] in LISTS:
            lists[argument[2:]] = read_list(arguments.pop(0))
        else:
            folder = argument
    report = {'folder': folder, 'changed': False, 'written': False, 'created': False, 'changes': [],
              'notices': [], 'diff': ''}
    name = os.path.join(unix(folder), 'qv3server.ini')
    report['created'] = not os.path.exists(name)
    if report['created'] and not create:
        answer(dict(report, error='there is no qv3server.ini in ' + folder), 2)
    before = '' if report['created'] else open(name, 'rb').read().decode('cp1252')
    # Sections as {name: [lines]}, in the file's order; the file's own line end is kept.
    end = '\r\n' if '\r\n' in before or not before else '\n'
    sections, current = {}, None
    for line in before.splitlines():
        if line.startswith('['):
            current = sections.setdefault(line.strip('[]'), [])
        elif current is not None and line:
            current.append(line)
    server = sections.setdefault('QV3Server', [])
    for key, value in sets:
        rule = RULES.get(key, 'unknown')
        if rule == 'unknown':
            answer(dict(report, error='--set %s: no page of the editor owns that key' % key), 2)
        if rule == 'digits' and not value.isdigit():
            answer(dict(report, error='--set %s=%s: the box takes a whole number, digits only' % (key, value)), 2)
        if rule == 'switch':
            value = '1' if value.lower() in ('1', 'yes', 'true') else '0'
        old = [index for index, line in enumerate(server) if line.split('=', 1)[0].lower() == key.lower()]
        had = server[old[0]].split('=', 1)[1] if old else None
        if had != value:
            report['changes'].append({'section': 'QV3Server', 'key': key, 'before': had, 'after': value})
            if old:
                server[old[0]] = '%s=%s' % (key, value)
            else:
                server.append('%s=%s' % (key, value))
    for option, entries in lists.items():
        section, prefix = LISTS[option]
        if option == 'servers' and any(entry[:4].upper() not in ('TCP:', 'UDP:') for entry in entries):
            answer(dict(report, error='--servers: a server entry is TCP: or UDP: and an address'), 2)
        if option == 'targets':
            entries = sorted(entries, key=str.lower)
        old = [line[len(prefix):] for line in sections.get(section, [])]
        if old != entries:
            report['changes'].append({'section': section, 'key': None, 'before': old, 'after': entries})
            sections[section] = [prefix + entry for entry in entries]
    after = ''.join('[%s]%s' % (section, end) + ''.join(line + end for line in lines)
                    for section, lines in sections.items() if lines or section == 'QV3Server')
    if after != before:
        report['changed'] = True
        report['diff'] = ''.join(difflib.unified_diff(before.splitlines(True), after.splitlines(True),
                                                      'qv3server.ini', 'after Build INI File'))
        if build:
            with open(name, 'wb') as out:
                out.write(after.encode('cp1252'))
            report['written'] = True
    answer(report, 1 if report['changed'] else 0)


main(sys.argv[1:])
