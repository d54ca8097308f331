#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# What a screen reader gets from the real launcher over AT-SPI: the names,
# roles and states of every control of the menu and of each small window,
# the focus events as the user moves, and the press actions. Run inside
# scripts/with-xvfb.sh and scripts/with-atspi.sh.
#
#   VendraskAtspiTest.py BUILD_DIR [unittest arguments]
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
from xml.etree import ElementTree

import pyatspi
from gi.repository import GLib

BUILD = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else "build"
VENDRASK = os.path.join(BUILD, "vendrask")
PROFILE = os.path.join(BUILD, "vendrask-profile")

# Roles a user reaches or reads; none of them may be nameless.
NAMED_ROLES = {
    "push button", "check box", "combo box", "text", "page tab", "page tab list",
    "slider", "list", "radio button", "spin button", "toggle button", "dialog",
}


def wait_until(condition, what, seconds=10.0):
    """Polls condition until it holds; fails the test with what otherwise."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + what)


def walk(node, depth=0):
    """Every node below node that is showing, node first."""
    if node is None or depth > 40:
        return
    try:
        showing = node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:  # the window closed while it was read
        return
    if not showing and depth > 0:
        return
    yield node
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i), depth + 1)


def states(node):
    s = node.getState()
    return {name for name, state in (("checked", pyatspi.STATE_CHECKED),
                                     ("focused", pyatspi.STATE_FOCUSED),
                                     ("checkable", pyatspi.STATE_CHECKABLE),
                                     ("selected", pyatspi.STATE_SELECTED),
                                     ("enabled", pyatspi.STATE_ENABLED))
            if s.contains(state)}


def press(node, action="Press"):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    assert action in names, "%s offers %s, not %s" % (node.name, names, action)
    actions.doAction(names.index(action))


class Launcher:
    """The real launcher on a settings file of its own."""

    def __init__(self, **extra_env):
        self.work = tempfile.mkdtemp(prefix="vendrask-atspi-")
        self.ini = os.path.join(self.work, "Vendrask.ini")
        settings = [
            ("ColorSet", "FadeLevel", "0"),
            ("Sound", "Flag", "0"),
            ("Item01", "Name", "Text Editor"),
            ("Item01", "Path", "/usr/bin/true"),
            ("Item03", "Name", "Calculator"),
            ("Item03", "Path", "/usr/bin/true"),
            ("Group3", "Title", "Games"),
        ]
        for section, key, value in settings:
            subprocess.run([PROFILE, "set", self.ini, section, key, value], check=True,
                           stdout=subprocess.DEVNULL)
        env = dict(os.environ, XDG_RUNTIME_DIR=self.work, SDL_AUDIODRIVER="dummy")
        env.pop("QT_QPA_PLATFORM", None)
        for name in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
            env.pop(name, None)
        env.update(extra_env)
        self.env = env
        self.log = open(os.path.join(self.work, "out"), "w")
        self.process = subprocess.Popen([VENDRASK, "--ini", self.ini], env=env,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        wait_until(lambda: self.verb("status").returncode == 0, "the launcher to start")

    def verb(self, *args):
        return subprocess.run([VENDRASK, *args], env=self.env, capture_output=True, text=True)

    def status(self, field):
        for line in self.verb("status").stdout.splitlines():
            if line.startswith(field + ": "):
                return line[len(field) + 2:]
        return None

    def app(self):
        """The launcher's application node on the accessibility bus."""
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            node = desktop.getChildAtIndex(i)
            try:
                if node is not None and node.get_process_id() == self.process.pid:
                    return node
            except Exception:
                continue
        return None

    def window(self, name):
        """The launcher's showing top-level window of that name."""
        app = self.app()
        if app is None:
            return None
        for i in range(app.childCount):
            node = app.getChildAtIndex(i)
            if node is not None and node.name == name and \
                    node.getState().contains(pyatspi.STATE_SHOWING):
                return node
        return None

    def show_menu(self):
        """Calls the menu up and waits until it has the keyboard."""
        self.verb("show", "--group", "0")
        menu = wait_until(lambda: self.window("Vendrask"), "the menu over AT-SPI")
        wait_until(lambda: self.status("menu active") == "yes", "the menu to take the keyboard")
        return menu

    def close(self):
        self.verb("quit")
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        self.log.close()
        shutil.rmtree(self.work, ignore_errors=True)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "30", *names], check=True)


def label_of(node):
    """The name a screen reader gives a control: its own, or (for Qt's
    combo boxes on Linux, whose name is their value) its label's."""
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name
    return node.name


def find(root, role, name):
    for node in walk(root):
        if node.getRoleName() == role and name in (node.name, label_of(node)):
            return node
    return None


class FocusLog:
    """The names that gain the focus while a step runs (the launcher is the
    only application on this private bus). One listener for the process:
    pyatspi does not hear again after a listener is taken off."""

    names = []
    _listening = False

    @classmethod
    def _on_event(cls, event):
        if event.detail1 == 1:
            cls.names.append(event.source.name)

    @classmethod
    def during(cls, step, until, seconds=10.0):
        """Runs step, then listens until until(names) holds or time runs out."""
        if not cls._listening:
            pyatspi.Registry.registerEventListener(cls._on_event, "object:state-changed:focused")
            cls._listening = True
        cls.names = []
        loop = GLib.MainLoop()

        def check():
            if until(cls.names):
                loop.quit()
                return False
            return True

        GLib.timeout_add(50, check)
        GLib.timeout_add(int(seconds * 1000), loop.quit)
        GLib.idle_add(lambda: step() and False)
        loop.run()
        return cls.names


class MenuTest(unittest.TestCase):
    """The menu as a screen reader meets it after a call-up."""

    @classmethod
    def setUpClass(cls):
        cls.launcher = Launcher()

    @classmethod
    def tearDownClass(cls):
        cls.launcher.close()

    def show_menu(self):
        return self.launcher.show_menu()

    def tearDown(self):
        self.launcher.verb("hide")
        wait_until(lambda: self.launcher.status("menu shown") == "no", "the menu to hide")

    def test_every_control_is_named_with_its_role_and_state(self):
        menu = self.show_menu()
        self.assertEqual(menu.getRoleName(), "dialog")
        nameless = [n.getRoleName() for n in walk(menu)
                    if n.getRoleName() in NAMED_ROLES and not n.name.strip()]
        self.assertEqual(nameless, [])
        rows = [
            # (row, role, name, states wanted, states not wanted)
            ("named item", "push button", "A, Text Editor", set(), {"checked"}),
            ("empty item", "push button", "B, empty", set(), set()),
            ("item C", "push button", "C, Calculator", set(), set()),
            ("last item", "push button", "Z, empty", set(), set()),
            ("group shown", "push button", "Group 0", {"checked", "focused"}, set()),
            ("titled group", "push button", "Group 3, Games", set(), {"checked"}),
            ("untitled group", "push button", "Group 5", set(), {"checked"}),
            ("title button", "push button", "Group title, Group0", set(), set()),
            ("configuration", "push button", "Configuration", set(), set()),
            ("hide", "push button", "Hide", set(), set()),
            ("information", "push button", "Information", set(), set()),
        ]
        for row, role, name, wanted, unwanted in rows:
            with self.subTest(row):
                node = find(menu, role, name)
                self.assertIsNotNone(node, "no %s %r" % (role, name))
                self.assertTrue(wanted <= states(node), states(node))
                self.assertFalse(unwanted & states(node), states(node))
        item = find(menu, "push button", "A, Text Editor")
        self.assertEqual(item.description, "/usr/bin/true")
        self.assertIn("A", item.queryAction().getKeyBinding(0))

    def test_focus_follows_the_arrow_keys(self):
        self.show_menu()
        names = FocusLog.during(lambda: keys("Down", "Down", "Down"),
                           lambda names: "C, Calculator" in names)
        # The call-up gives the shown group the focus; Down goes on to A.
        self.assertIn("C, Calculator", names)
        moves = [n for n in names if n[:2] in ("A,", "B,", "C,")]
        self.assertEqual(moves, ["A, Text Editor", "B, empty", "C, Calculator"])

    def test_group_buttons_press_and_check_over_atspi(self):
        menu = self.show_menu()
        press(find(menu, "push button", "Group 3, Games"))
        wait_until(lambda: self.launcher.status("group") == "3", "group 3 shown")
        node = wait_until(lambda: find(menu, "push button", "Group 3, Games"), "group 3")
        wait_until(lambda: "checked" in states(node), "group 3 checked")
        self.assertNotIn("checked", states(find(menu, "push button", "Group 0")))


class SmallWindowsTest(unittest.TestCase):
    """Each small window: a dialog named by its title, every control named."""

    @classmethod
    def setUpClass(cls):
        cls.launcher = Launcher()

    @classmethod
    def tearDownClass(cls):
        cls.launcher.close()

    def setUp(self):
        self.menu = self.launcher.show_menu()

    def tearDown(self):
        self.launcher.verb("hide")

    def assert_window(self, title, rows, description=None):
        window = wait_until(lambda: self.launcher.window(title), "the window " + title)
        self.assertEqual(window.getRoleName(), "dialog")
        wait_until(lambda: any(n.getRoleName() == "push button" for n in walk(window)),
                   title + "'s controls")
        nameless = [n.getRoleName() for n in walk(window)
                    if n.getRoleName() in NAMED_ROLES and not n.name.strip()]
        self.assertEqual(nameless, [], title)
        if description is not None:
            self.assertEqual(window.description, description)
        for row, role, name, wanted in rows:
            with self.subTest(title=title, row=row):
                node = find(window, role, name)
                self.assertIsNotNone(node, "no %s %r in %s" % (role, name, title))
                self.assertTrue(wanted <= states(node), states(node))
        return window

    def close_with_escape(self, title):
        keys("Escape")
        wait_until(lambda: self.launcher.window(title) is None, title + " to close")

    def test_item_setting_from_the_keyboard(self):
        keys("Down", "ctrl+e")
        window = self.assert_window("Vendrask Item Setting", [
            ("name", "text", "Item Name", set()),
            ("path", "text", "Item Path", set()),
            ("folder", "text", "Item Working Folder", set()),
            ("browse", "push button", "Browse File", set()),
            ("close", "push button", "Close", set()),
        ])
        self.assertEqual(find(window, "text", "Item Name").queryText().getText(0, -1),
                         "Text Editor")
        self.close_with_escape("Vendrask Item Setting")

    def test_confirmation_asks_and_a_no_keeps_the_item(self):
        keys("Down", "Down", "Down", "ctrl+d")
        self.assert_window("Vendrask Confirmation", [
            ("ok", "push button", "OK", set()),
            ("cancel", "push button", "Cancel", set()),
        ], description='Are you sure you want to "Delete" this item ?')
        self.close_with_escape("Vendrask Confirmation")
        self.assertIsNotNone(find(self.menu, "push button", "C, Calculator"))

    def test_group_title_and_information_open_by_press(self):
        press(find(self.menu, "push button", "Group title, Group0"))
        self.assert_window("Vendrask Group Title", [
            ("title", "text", "Group Title", set()),
        ])
        self.close_with_escape("Vendrask Group Title")
        press(find(self.menu, "push button", "Information"))
        self.assert_window("Vendrask Information", [
            ("close", "push button", "Close", set()),
        ])
        self.close_with_escape("Vendrask Information")

    def test_configuration_pages(self):
        self.launcher.verb("configure")
        pages = [
            ("Behavior", [("hot key", "combo box", "Hot Key", set()),
                          ("item lock", "check box", "Item Lock", set()),
                          ("top edge", "check box", "Top edge", set())]),
            ("Appearance", [("colour set", "combo box", "Color Set", set()),
                            ("white title", "check box", "White Titlebar", set())]),
            ("Sound", [("sound", "check box", "Sound On/Off", set())]),
        ]
        title = "Vendrask Configuration"
        window = wait_until(lambda: self.launcher.window(title), "the configuration window")
        for page, rows in pages:
            tab = wait_until(lambda: find(window, "page tab", page), "the page tab " + page)
            if "selected" not in states(tab):
                press(tab)
                wait_until(lambda: "selected" in states(find(window, "page tab", page)),
                           page + " selected")
            self.assert_window(title, rows)
        # A screen reader's toggle flips the box as a click does, and it is stored.
        sound = find(window, "check box", "Sound On/Off")
        self.assertNotIn("checked", states(sound))
        press(sound, "Toggle")
        wait_until(lambda: "checked" in states(sound), "the sound box checked")
        self.close_with_escape(title)
        stored = subprocess.run([PROFILE, "get", self.launcher.ini, "Sound", "Flag"],
                                capture_output=True, text=True, check=True).stdout
        self.assertEqual(stored.strip(), "1")


def translation(language, context, source):
    """What translations/vendrask_LANGUAGE.ts gives for a source text."""
    here = os.path.dirname(os.path.abspath(__file__))
    ts = os.path.join(here, "..", "..", "translations", "vendrask_%s.ts" % language)
    for node in ElementTree.parse(ts).getroot().iter("context"):
        if node.findtext("name") != context:
            continue
        for message in node.iter("message"):
            if message.findtext("source") == source:
                return message.findtext("translation")
    return None


class LanguageTest(unittest.TestCase):
    """The desktop's language is the launcher's; C keeps the English."""

    def test_menu_speaks_the_locales_language(self):
        rows = [
            # (row, LANG, expected name of the configuration button)
            ("German desktop", "de_DE.UTF-8", translation("de", "CVendraskMain", "Configuration")),
            ("Japanese desktop", "ja_JP.UTF-8", translation("ja", "CVendraskMain", "Configuration")),
            ("C locale", "C", "Configuration"),
        ]
        for row, lang, expected in rows:
            with self.subTest(row):
                self.assertTrue(expected)
                launcher = Launcher(LANG=lang)
                try:
                    menu = launcher.show_menu()
                    self.assertIsNotNone(find(menu, "push button", expected),
                                         "no button %r" % expected)
                finally:
                    launcher.close()


if __name__ == "__main__":
    if not os.environ.get("DISPLAY"):
        sys.exit("VendraskAtspiTest: needs an X display (run it under scripts/with-xvfb.sh)")
    unittest.main(verbosity=2)
