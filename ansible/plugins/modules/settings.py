#!/usr/bin/python
# -*- coding: utf-8 -*-
# The Skyvarn server's settings through skyvarn-check, the editor's command-line twin: the program applies
# the editor's rules and decides; this module only hands it the task's options and reports its answer.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
---
module: settings
short_description: Sets the Skyvarn arena server's settings in qv3server.ini
description:
  - Changes C(qv3server.ini) in a server folder as the configuration editor's Build INI File would, by
    running the editor's command-line twin C(skyvarn-check.exe) under Wine on the host. Every value goes
    through the editor's own pages and rules, so the file holds what the editor would have written.
  - A value the editor's pages could not take is refused by the program with its reason, and the task
    fails with that reason; nothing is written then.
  - The task reports C(changed) only when the file changes; a second run with the same options changes
    nothing.
version_added: "1.0.0"
options:
  path:
    description:
      - The server folder on the host that holds, or is to hold, C(qv3server.ini).
      - The folder must exist, and its path must be one that Windows code page 1252 can spell and that
        holds none of the characters Windows refuses in a name, as the program spells paths so under Wine.
    type: path
    required: true
  set:
    description:
      - Keys of the C([QV3Server]) section and their values, each applied as if the file held
        C(KEY=VALUE) when the editor started, so the editor's rules apply to it (a start time the
        editor's list does not hold is written empty, for example).
      - Only keys of the editor's pages may be set; C(skyvarn-check.exe --keys) lists them.
      - A value of C(true) or C(false) is passed as C(1) or C(0), a null value as the empty value.
    type: dict
  servers:
    description:
      - The whole new list of servers the game server registers with, each C(TCP:address) or
        C(UDP:address). An empty list empties it; left out, the list stays as the file holds it.
    type: list
    elements: str
  cookies:
    description:
      - The whole new list of client cookies. An empty list empties it; left out, the list stays as it is.
    type: list
    elements: str
  targets:
    description:
      - The whole new target list, by ID or name of the chosen map's targets, written as the editor's
        Target Management writes it. Only for the game type Team Melee with targets chosen by hand.
        An empty list empties it; left out, the list stays as it is.
    type: list
    elements: str
  create:
    description:
      - Whether a folder without C(qv3server.ini) gets a new one. Without it such a folder fails the task.
    type: bool
    default: false
  program:
    description:
      - The path of C(skyvarn-check.exe) on the host, for example
        C(/opt/skyvarn/build/win32/bin/skyvarn-check.exe) in a checkout that C(scripts/check.sh) has built.
    type: path
    required: true
  wine:
    description:
      - The Wine command on the host, a name looked up in C(PATH) or a path.
    type: str
    default: wine
  wineprefix:
    description:
      - The Wine prefix to run the program in. It must have been made already (see the README); the module
        never makes one.
      - Left out, the scripts' prefix C(build/wineprefix-operator) beside a program in C(build/win32/bin) or
        C(build/win64/bin), otherwise the task's C(WINEPREFIX), otherwise Wine's own default.
      - On a host without an X display (C(DISPLAY) unset in the task's environment) the prefix's graphics
        driver must be Wine's null driver; the task fails otherwise, before the program starts.
    type: path
notes:
  - Supports check mode (the program's dry run, which writes nothing) and diff mode (the program's
    unified diff of the file).
  - Wine's own messages are kept out of the result unless the program did not answer.
  - Tasks on many folders of one host may run at once, and so may tasks on one folder, whose writes the
    program lets take turns.
author:
  - Skyvarn team
'''

EXAMPLES = r'''
- name: Fifty players on Flanders, registered with two servers
  skyvarn.config.settings:
    path: /srv/skyvarn/arena1
    program: /opt/skyvarn/build/win32/bin/skyvarn-check.exe
    set:
      maxPlayers: 50
      useMap: FLANDERS
      cloudsOn: true
    servers:
      - TCP:master.example.net
      - UDP:backup.example.net

- name: A new file in an empty folder, without cookies, on a headless host
  skyvarn.config.settings:
    path: /srv/skyvarn/arena2
    create: true
    cookies: []
    program: /opt/skyvarn/build/win32/bin/skyvarn-check.exe
    wineprefix: /opt/skyvarn/build/wineprefix-headless
'''

RETURN = r'''
changes:
  description:
    - What changed (in check mode, what would change), as the program reports it, one entry per key
      (C(key) set, C(before) and C(after) a value or null) or per list (C(key) null, C(before) and
      C(after) the lists).
  returned: when the program answered
  type: list
  elements: dict
  sample: [{"section": "QV3Server", "key": "maxPlayers", "before": "32", "after": "50"}]
notices:
  description: What the program said besides its answer (an entry cut to length, say); each is also a warning.
  returned: when the program answered
  type: list
  elements: str
created:
  description: Whether the file was made (in check mode, would be).
  returned: when the program answered
  type: bool
written:
  description: Whether the file was written. Never true in check mode.
  returned: when the program answered
  type: bool
stderr:
  description: The program's and Wine's messages, when the program did not answer.
  returned: failure
  type: str
'''

import json
import os
import subprocess

from ansible.module_utils.basic import AnsibleModule

# Characters a Windows name cannot hold; Wine would hand the program another folder than the one meant.
UNSPELLABLE = set('\\:*?"<>|')


def windows_path(path):
    # Wine's drive Z: is the root of the host's file system.
    return 'Z:' + path.replace('/', '\\')


def spellable(text):
    # The program is an ANSI program in code page 1252 under Wine: its arguments and lists reach it so.
    try:
        text.encode('cp1252')
        return True
    except UnicodeEncodeError:
        return False


def default_prefix(program):
    # The scripts build into build/win32/bin or build/win64/bin and run in build/wineprefix-operator.
    bin_dir = os.path.dirname(program)
    arch_dir = os.path.dirname(bin_dir)
    if os.path.basename(bin_dir) == 'bin' and os.path.basename(arch_dir) in ('win32', 'win64'):
        return os.path.join(os.path.dirname(arch_dir), 'wineprefix-operator')
    return os.environ.get('WINEPREFIX') or os.path.expanduser('~/.wine')


def headless_prefix(prefix):
    # True when the prefix's graphics driver is Wine's null driver, which needs no X display.
    # (Wine keeps HKEY_CURRENT_USER in user.reg, as text; it writes it when its server ends.)
    try:
        with open(os.path.join(prefix, 'user.reg'), encoding='utf-8', errors='replace') as registry:
            section = False
            for line in registry:
                if line.startswith('['):
                    section = line.lower().startswith('[software\\\\wine\\\\drivers]')
                elif section and line.strip().replace(' ', '').lower() == '"graphics"="null"':
                    return True
    except OSError:
        pass
    return False


def set_argument(module, key, value):
    if not key or '=' in key:
        module.fail_json(msg='set: %r is not a key of the editor\'s pages.' % key)
    if isinstance(value, (list, dict)):
        module.fail_json(msg='set: %s takes one value, not a list or a mapping.' % key)
    if isinstance(value, bool):
        value = '1' if value else '0'
    text = '' if value is None else str(value)
    if not spellable(text):
        module.fail_json(msg='set: the value of %s holds characters outside Windows code page 1252, '
                             'which the settings file cannot hold.' % key)
    return ['--set', '%s=%s' % (key, text)]


def list_arguments(module, name, entries):
    # Each list goes through a file, one entry a line, so that entries may hold commas; an empty list
    # is given as the empty text, which empties it.
    if not entries:
        return ['--' + name, '']
    for entry in entries:
        if '\n' in entry or '\r' in entry:
            module.fail_json(msg='%s: the entry %r holds a line break, which no list entry may hold.'
                                 % (name, entry))
        if not spellable(entry):
            module.fail_json(msg='%s: the entry %r holds characters outside Windows code page 1252, '
                                 'which the settings file cannot hold.' % (name, entry))
    list_file = os.path.join(module.tmpdir, name + '.txt')
    with open(list_file, 'wb') as out:
        out.write(''.join(entry + '\r\n' for entry in entries).encode('cp1252'))
    return ['--' + name, '@' + windows_path(list_file)]


def last_words(stderr):
    # The program's own reason if it gave one, else the last thing Wine said.
    lines = [line.strip() for line in stderr.splitlines() if line.strip()]
    own = [line[len('skyvarn-check:'):].strip() for line in lines if line.startswith('skyvarn-check:')]
    return 'it said: ' + (own or lines)[-1] if own or lines else 'it said nothing'


def main():
    module = AnsibleModule(
        argument_spec=dict(
            path=dict(type='path', required=True),
            set=dict(type='dict'),
            servers=dict(type='list', elements='str'),
            cookies=dict(type='list', elements='str'),
            targets=dict(type='list', elements='str'),
            create=dict(type='bool', default=False),
            program=dict(type='path', required=True),
            wine=dict(type='str', default='wine'),
            wineprefix=dict(type='path'),
        ),
        supports_check_mode=True,
    )
    params = module.params
    path = params['path']
    folder = os.path.realpath(path)
    if not os.path.isdir(folder):
        module.fail_json(msg='%s is not a folder on the host.' % path)
    if not spellable(folder) or UNSPELLABLE & set(folder):
        module.fail_json(msg='Wine cannot open %s under that name (the program spells paths in Windows code '
                             'page 1252, without \\ : * ? " < > |); rename the folder or use another.' % path)
    program = os.path.abspath(params['program'])
    if not os.path.isfile(program):
        module.fail_json(msg='There is no program at %s; build it (scripts/check.sh does) or give program.'
                             % program)
    wine = params['wine'] if os.sep in params['wine'] else module.get_bin_path(params['wine'])
    if not wine or not os.access(wine, os.X_OK):
        module.fail_json(msg='The Wine command %s is not on the host; install Wine or give wine.' % params['wine'])
    prefix = os.path.abspath(params['wineprefix'] or default_prefix(program))
    if not os.path.isfile(os.path.join(prefix, 'system.reg')):
        # Wine would make it on the spot, silently for half a minute, once for every task at once.
        module.fail_json(msg='The Wine prefix %s has not been made; make it as the README says, or give '
                             'wineprefix.' % prefix)
    if not os.environ.get('DISPLAY') and not headless_prefix(prefix):
        module.fail_json(msg='There is no X display (DISPLAY is not set) and the graphics driver of the Wine '
                             'prefix %s needs one; give the task a DISPLAY or a wineprefix whose graphics driver '
                             'is the null driver (see the README).' % prefix)

    arguments = [wine, program, '--json']
    if not module.check_mode:
        arguments.append('--build')
    if params['create']:
        arguments.append('--create')
    for key, value in (params['set'] or {}).items():
        arguments += set_argument(module, key, value)
    for name in ('servers', 'cookies', 'targets'):
        if params[name] is not None:
            arguments += list_arguments(module, name, params[name])
    shown = windows_path(folder)
    arguments.append(shown)

    environment = dict(os.environ, WINEPREFIX=prefix, WINEDEBUG='-all', LC_ALL='C.UTF-8',
                       # no offer to install Wine's .NET and browser parts should a prefix be updated
                       WINEDLLOVERRIDES='mscoree,mshtml=')
    # Files, not pipes: Wine's server, which outlives the program, would hold a pipe open.
    out_name = os.path.join(module.tmpdir, 'answer.json')
    err_name = os.path.join(module.tmpdir, 'messages.txt')
    with open(out_name, 'wb') as out, open(err_name, 'wb') as err:
        try:
            status = subprocess.call(arguments, cwd=folder, env=environment, stdin=subprocess.DEVNULL,
                                     stdout=out, stderr=err)
        except OSError as error:
            module.fail_json(msg='Wine could not be started (%s): %s.' % (wine, error.strerror))
    with open(out_name, 'rb') as out:
        answer = out.read()
    with open(err_name, 'rb') as err:
        # The program writes its messages in its code page, 1252.
        stderr = err.read().decode('cp1252', errors='replace').replace('\r', '')

    def as_given(text):
        return text.replace(shown + '\\', path.rstrip('/') + '/').replace(shown, path)

    stderr = as_given(stderr)
    if status not in (0, 1, 2):
        module.fail_json(msg='skyvarn-check did not run to its end under Wine (exit status %d); %s.'
                             % (status, last_words(stderr)), rc=status, stderr=stderr)
    try:
        report = json.loads(answer.decode('utf-8'))
    except ValueError:
        report = None
    # One folder's answer; a refusal of the whole command line (a window it could not create, say) is one
    # object with the reason.
    if isinstance(report, list):
        report = report[0] if len(report) == 1 else None
    if not isinstance(report, dict) or report.get('status') != status:
        what = 'gave no JSON report' if not answer.strip() else 'answered with something else than its JSON report'
        module.fail_json(msg='skyvarn-check %s (exit status %d); %s.' % (what, status, last_words(stderr)),
                         rc=status, stderr=stderr)

    notices = [as_given(notice) for notice in report.get('notices') or []]
    for notice in notices:
        module.warn(notice)
    result = dict(changes=report.get('changes') or [], notices=notices,
                  created=bool(report.get('created')), written=bool(report.get('written')))
    if status == 2:
        module.fail_json(msg=as_given(report.get('error') or last_words(stderr)), **result)
    if status == 1 and not module.check_mode and not result['written']:
        module.fail_json(msg='skyvarn-check found a change to make but did not write it.', stderr=stderr, **result)
    result['changed'] = status == 1
    if module._diff and report.get('diff'):
        result['diff'] = dict(prepared=report['diff'])
    module.exit_json(**result)


if __name__ == '__main__':
    main()
