#!/usr/bin/env python3
"""Build check of the resource ids.

    check_ids.py resource.h ZRApp.rc STAMP

Fails when two controls or two strings share a number, when the main dialog
lists a control twice, names an id that resource.h does not define or does
not hold exactly 133 controls, or when the string tables do not hold the
same strings. Writes STAMP when all is well.
"""

import re
import sys
from collections import Counter

MAIN_DIALOG = 'IDD_ZRAPP_DIALOG'
MAIN_DIALOG_CONTROLS = 133


def main(header_path, rc_path, stamp_path):
    with open(header_path, encoding='utf-8') as f:
        defines = re.findall(r'^#define\s+(\w+)\s+(\d+)\s*$', f.read(), re.M)
    with open(rc_path, encoding='utf-8') as f:
        rc = f.read()
    values = dict(defines)
    errors = []

    for prefix, kind in (('IDC_', 'controls'), ('IDS_', 'strings')):
        names_of = {}
        for name, value in defines:
            if name.startswith(prefix):
                names_of.setdefault(value, []).append(name)
        errors += ['%s: %s %s share the number %s' % (header_path, kind, ', '.join(names), value)
                   for value, names in names_of.items() if len(names) > 1]

    dialog = re.search(r'^%s\s+DIALOGEX\b.*?^BEGIN$(.*?)^END$' % MAIN_DIALOG, rc, re.M | re.S)
    body = [line.strip() for line in dialog.group(1).splitlines()] if dialog else []
    body = [line for line in body if line and not line.startswith('//')]
    controls = [re.match(r'CONTROL\s+"(?:[^"]|"")*"\s*,\s*(\w+)\s*,', line) for line in body]
    if None in controls:
        errors.append('%s: %s holds a statement other than CONTROL: %s'
                      % (rc_path, MAIN_DIALOG, body[controls.index(None)]))
    ids = [m.group(1) for m in controls if m]
    if len(ids) != MAIN_DIALOG_CONTROLS:
        errors.append('%s: %s has %d controls, not %d' % (rc_path, MAIN_DIALOG, len(ids), MAIN_DIALOG_CONTROLS))
    errors += ['%s: %s uses %s, which %s does not define' % (rc_path, MAIN_DIALOG, name, header_path)
               for name in ids if name not in values]
    errors += ['%s: %s lists the control %s %d times' % (rc_path, MAIN_DIALOG, value, n)
               for value, n in Counter(values.get(name, name) for name in ids).items() if n > 1]

    tables = [set(re.findall(r'^\s*(\w+)\s+"', table, re.M))
              for table in re.findall(r'^STRINGTABLE\s*^BEGIN$(.*?)^END$', rc, re.M | re.S)]
    for table in tables:
        errors += ['%s: the string table uses %s, which %s does not define' % (rc_path, name, header_path)
                   for name in sorted(table) if not name.startswith('IDS_') or name not in values]
        errors += ['%s: a string table lacks %s' % (rc_path, name) for name in sorted(set().union(*tables) - table)]

    if errors:
        sys.exit('\n'.join(errors))
    with open(stamp_path, 'w') as f:
        f.write('ok\n')


if __name__ == '__main__':
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
