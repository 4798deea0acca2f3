"""What a screen reader reads of Quorvanta, through the desktop's
accessibility bus (AT-SPI): in every mode and in the colour dialog, every
control a user can reach has a name, buttons that share a name tell apart
by their descriptions, and a found point reaches the bus as changed
read-outs and a changed description of the graph.

Run by atspi_test.sh with the program already started on the bus."""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST,
    pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_SLIDER,
}


def application():
    for _ in range(150):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and (app.name or "").lower() == "quorvanta":
                return app
        time.sleep(0.2)
    sys.exit("FAIL: the program never appeared on the accessibility bus")


def showing(root):
    """Every object under root that is on the screen."""
    found = []
    stack = [root]
    while stack:
        obj = stack.pop()
        try:
            state = obj.getState()
            if not state.contains(pyatspi.STATE_SHOWING) and obj.getRole() != pyatspi.ROLE_APPLICATION:
                continue
            found.append(obj)
            stack.extend(c for c in (obj.getChildAtIndex(i) for i in range(obj.childCount)) if c is not None)
        except Exception:  # an object that went away while we read it
            continue
    return found


def faults(root):
    """The unnamed controls and the same-named buttons without distinct
    descriptions under root, as one line each."""
    out = []
    named = {}
    for obj in showing(root):
        role = obj.getRole()
        focusable = obj.getState().contains(pyatspi.STATE_FOCUSABLE)
        if role in (pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_LABEL):
            continue  # an item or a label is read by its text
        if role not in INTERACTIVE and not focusable:
            continue
        name = (obj.name or "").strip()
        if not name:
            out.append("unnamed %s (description %r)" % (obj.getRoleName(), obj.description))
        if role == pyatspi.ROLE_PUSH_BUTTON:
            named.setdefault(name, []).append(obj.description or "")
    for name, descriptions in named.items():
        if len(descriptions) != len(set(descriptions)):
            out.append("%d buttons named %r without distinct descriptions" % (len(descriptions), name))
    return out


def by_name(root, role, name):
    for obj in showing(root):
        if obj.getRole() == role and obj.name == name:
            return obj
    sys.exit("FAIL: no %s named %r" % (pyatspi.Role(role), name))


def key(*keys):
    """Keys to the program's window, given the focus first (there is no
    window manager to keep it)."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Quorvanta$"], capture_output=True,
                           text=True).stdout.split()
    if found:
        subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], capture_output=True)
    # One call for a sequence (a menu, then its command): giving the focus
    # again in between would close the menu.
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "400", *keys], check=True)


def wait_for(test, seconds=15):
    """Polls until test() holds, giving the bus its turn meanwhile."""
    end = time.time() + seconds
    while time.time() < end:
        if test():
            return True
        pump(0.2)
    return False


def has_button(root, name):
    return any(o.getRole() == pyatspi.ROLE_PUSH_BUTTON and o.name == name for o in showing(root))


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        context.iteration(False)
        time.sleep(0.01)


def main():
    app = application()
    window = app.getChildAtIndex(0)
    problems = []
    # Each mode, once a button only it shows is on the screen.
    for mode, keys, button in (("Calculator", "ctrl+2", "Evaluate"), ("List", "ctrl+3", "Replace Data"),
                               ("Vectors", "ctrl+4", "Zero all Vectors"), ("Parametric Grapher", "ctrl+1", "Stop")):
        key(keys)
        if not wait_for(lambda: has_button(window, button)):
            problems.append("%s: the mode did not show (no %r button)" % (mode, button))
            continue
        for fault in faults(window):
            problems.append("%s: %s" % (mode, fault))
        print("%s: %d objects read" % (mode, len(showing(window))))

    heard = []
    pyatspi.Registry.registerEventListener(lambda e: heard.append((e.type, e.source.name, e.source.description)),
                                           "object:property-change:accessible-name",
                                           "object:property-change:accessible-description")
    pump(1.5)  # the program hears of the listener before it has anything to say
    for name, text in (("x(z) =", "z"), ("y(z) =", "z^2"), ("Go to z =", "1.5")):
        by_name(window, pyatspi.ROLE_TEXT, name).queryEditableText().setTextContents(text)
    by_name(window, pyatspi.ROLE_PUSH_BUTTON, "Find x(z), y(z)").queryAction().doAction(0)
    wait_for(lambda: any("found point: z = 1.5" in (d or "") for t, n, d in heard))
    pump(0.5)
    names = [n for t, n, d in heard if t.endswith("accessible-name")]
    descriptions = [d for t, n, d in heard if t.endswith("accessible-description")]
    print("heard %d name and %d description changes" % (len(names), len(descriptions)))
    if not any(n == "1.5" for n in names):
        problems.append("the found z (1.5) did not reach the bus as a changed read-out: %r" % names[:10])
    if not any("found point: z = 1.5" in (d or "") for d in descriptions):
        problems.append("the graph's description did not name the found point: %r" % descriptions[:5])

    # The colour and print dialogs, while they are open.
    def dialog():
        for c in (app.getChildAtIndex(i) for i in range(app.childCount)):
            if c is not None and c.getRole() == pyatspi.ROLE_DIALOG:
                return c
        return None

    for title, keys, button in (("Color Options", ("alt+v", "Up", "Return"), "Close"),
                                ("Print", ("ctrl+p",), "Cancel")):
        key(*keys)
        if not wait_for(lambda: dialog() is not None and has_button(dialog(), button)):
            problems.append("the %s dialog did not open" % title)
            continue
        found = dialog()
        print("%s: %d objects read" % (title, len(showing(found))))
        problems.extend("%s: %s" % (title, f) for f in faults(found))
        # Closed by its own button: a key would go to the main window, which
        # key() gives the focus.
        by_name(found, pyatspi.ROLE_PUSH_BUTTON, button).queryAction().doAction(0)
        wait_for(lambda: dialog() is None)

    for p in problems:
        print("FAIL: " + p)
    print("%d problems" % len(problems))
    return 1 if problems else 0


sys.exit(main())
