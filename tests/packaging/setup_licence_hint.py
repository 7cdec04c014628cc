#!/usr/bin/env python3
"""The setup's licence page tells the user to click a button by its caption: that caption
must be the one the page shows. The text is defined once, in the generated setup script
(setup.nsi); the button's caption comes from NSIS's Chinese language file.
    setup_licence_hint.py SETUP_NSI NSIS_LANGUAGE_DIR"""

import re
import sys
from pathlib import Path

script, languages = Path(sys.argv[1]), Path(sys.argv[2])


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


text = script.read_text(encoding="utf-8")
hint = re.search(r'^!define MUI_LICENSEPAGE_TEXT_BOTTOM "(.*)"$', text, re.M)
if hint:
    hint = hint.group(1)
else:  # the language file's own hint, which names another caption
    own = (languages / "SimpChinese.nsh").read_text(encoding="utf-8-sig")
    hint = re.search(r'MUI_INNERTEXT_LICENSE_BOTTOM "(.*)"', own).group(1)
# the licence page's button: ^AgreeBtn in the language file, "&" marking its access key
nlf = (languages / "SimpChinese.nlf").read_text(encoding="utf-8-sig").splitlines()
button = nlf[nlf.index("# ^AgreeBtn") + 1].replace("&", "")
named = re.findall(r"\[([^\]]+)\]", hint)
if not named:
    fail("the licence hint names no button: " + hint)
if any(n != button for n in named):
    fail("the licence hint says to click %s; the page's button reads %s" % (", ".join(named), button))
print("1 passed, 0 failed")
