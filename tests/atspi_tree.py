# Prints the accessible names and descriptions of the game's windows as a screen reader sees them
# over AT-SPI, one per line.
import pyatspi


def walk(acc):
    yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name and app.name.startswith("test_players"):
        for acc in walk(app):
            print(acc.getRoleName(), "|", acc.name, "|", acc.description)
