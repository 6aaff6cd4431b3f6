#!/usr/bin/env python3
"""Builds the example project: three A3 sheets in the text form, converted
to .dcd with vireo-cli, and the project file that lists them.

    examples/demo/make_demo.py build/cli/vireo-cli

The .dcd files are committed; run this again after changing the drawing.
"""
import os
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

# Text anchors: bottom-left 8, bottom-centre 14, middle-left 24, centre 30,
# middle-right 26; 0x100 turns a text by 90 degrees; 0x8000 hides it.
BL, BC, ML, C, MR, HIDDEN, UP = 8, 14, 24, 30, 26, 0x8000, 0x100
WIRE, PLAIN, BUS, POWER = 0, 1, 2, 4


class Sheet:
    def __init__(self):
        self.lines = []

    def wire(self, x1, y1, x2, y2, name=None, kind=WIRE, width=8):
        self.lines.append(f"Line {x1} {y1} {x2} {y2} {width} {kind} 0 0")
        if name:
            nx, ny = (min(x1, x2) + 60, y1 + 20) if y1 == y2 else (x1 + 30, min(y1, y2) + 60)
            attr = BL if y1 == y2 else BL | UP
            self.lines.append(f'Name "{name}" {nx} {ny} 70 {attr}')

    def path(self, points, name=None, kind=WIRE, width=8):
        for i, (a, b) in enumerate(zip(points, points[1:])):
            self.wire(*a, *b, name=name if i == 0 else None, kind=kind, width=width)

    def bus(self, x1, y1, x2, y2, name=None):
        self.wire(x1, y1, x2, y2, name, BUS, 24)

    def junc(self, x, y):
        self.lines.append(f"Junc {x} {y}")

    def text(self, s, x, y, size=70, attr=BL):
        self.lines.append(f'Text "{s}" {x} {y} {size} {attr}')

    def frame(self, x1, y1, x2, y2):
        for a, b in (((x1, y1), (x2, y1)), ((x2, y1), (x2, y2)), ((x2, y2), (x1, y2)), ((x1, y2), (x1, y1))):
            self.lines.append(f"Line {a[0]} {a[1]} {b[0]} {b[1]} 8 1025 0 0")

    def part(self, name, ref, value, ox, oy, box, pins, outline, ref_at, val_at, texts=()):
        """pins: (body, tip, number, name or None); outline: plain lines."""
        (x1, y1), (x2, y2) = box
        self.lines.append(f"Part {ox} {oy} {x1} {y1} {x2} {y2} 0 0 0 0")
        self.lines.append(f'Name "{name}" {ox} {oy} 70 {HIDDEN | BL}')
        self.lines.append(f'Ref "{ref}" {ref_at[0]} {ref_at[1]} 70 {BL}')
        self.lines.append(f'Val "{value}" {val_at[0]} {val_at[1]} 70 {BL}')
        for (bx, by), (tx, ty), no, pname in pins:
            self.lines.append(f"Pin {bx} {by} {tx} {ty} 0")
            horizontal = by == ty
            if pname:
                if horizontal:
                    attr = ML if tx < bx else MR
                    nx = bx + 40 if tx < bx else bx - 40
                    self.lines.append(f'Name "{pname}" {nx} {by} 60 {attr}')
                else:
                    self.lines.append(f'Name "{pname}" {bx} {by + 40 if ty < by else by - 110} 60 {BC}')
            if horizontal:
                mx = (bx + tx) // 2
                self.lines.append(f'No "{no}" {mx} {by + 15} 50 {BC}')
            else:
                self.lines.append(f'No "{no}" {bx + 25} {(by + ty) // 2} 50 {ML}')
        for a, b in outline:
            self.lines.append(f"Line {a[0]} {a[1]} {b[0]} {b[1]} 8 1 0 0")
        for t in texts:
            self.lines.append(t)
        self.lines.append("PartEnd")

    # --- symbols ---------------------------------------------------------------------------
    def resistor(self, ref, value, x, y, vertical=False):
        """Pin 1 at (x, y); 600 long."""
        if vertical:
            pins = [((x, y - 150), (x, y), "1", None), ((x, y - 450), (x, y - 600), "2", None)]
            outline = rect(x - 50, y - 450, x + 50, y - 150)
            box = ((x - 50, y - 600), (x + 50, y))
            self.part("RES", ref, value, x, y - 300, box, pins, outline, (x + 90, y - 280), (x + 90, y - 380))
        else:
            pins = [((x + 150, y), (x, y), "1", None), ((x + 450, y), (x + 600, y), "2", None)]
            outline = rect(x + 150, y - 50, x + 450, y + 50)
            box = ((x, y - 50), (x + 600, y + 50))
            self.part("RES", ref, value, x + 300, y, box, pins, outline, (x + 200, y + 80), (x + 200, y - 130))

    def capacitor(self, ref, value, x, y):
        """Vertical; pin 1 at (x, y), pin 2 400 below."""
        pins = [((x, y - 170), (x, y), "1", None), ((x, y - 230), (x, y - 400), "2", None)]
        outline = [((x - 80, y - 170), (x + 80, y - 170)), ((x - 80, y - 230), (x + 80, y - 230))]
        box = ((x - 80, y - 400), (x + 80, y))
        self.part("CAP", ref, value, x, y - 200, box, pins, outline, (x + 120, y - 170), (x + 120, y - 290))

    def led(self, ref, value, x, y):
        """Vertical; anode at (x, y), cathode 500 below."""
        pins = [((x, y - 150), (x, y), "A", None), ((x, y - 350), (x, y - 500), "K", None)]
        outline = [((x - 80, y - 150), (x + 80, y - 150)), ((x + 80, y - 150), (x, y - 300)),
                   ((x, y - 300), (x - 80, y - 150)), ((x - 80, y - 300), (x + 80, y - 300)),
                   ((x, y - 300), (x, y - 350)), ((x + 100, y - 200), (x + 170, y - 130)),
                   ((x + 100, y - 250), (x + 170, y - 180))]
        box = ((x - 80, y - 500), (x + 170, y))
        self.part("LED", ref, value, x, y - 250, box, pins, outline, (x + 190, y - 260), (x + 190, y - 360))

    def ic(self, name, ref, value, x, y, width, left, right, top=(), bottom=()):
        """Box with its top-left corner at (x, y); pins every 200 on the sides."""
        rows = max(len(left), len(right), 1)
        height = 200 * (rows + 1)
        pins = []
        for i, (no, pname) in enumerate(left):
            py = y - 200 * (i + 1)
            pins.append(((x, py), (x - 300, py), no, pname))
        for i, (no, pname) in enumerate(right):
            py = y - 200 * (i + 1)
            pins.append(((x + width, py), (x + width + 300, py), no, pname))
        for i, (no, pname) in enumerate(top):
            px = x + 200 * (i + 1)
            pins.append(((px, y), (px, y + 300), no, pname))
        for i, (no, pname) in enumerate(bottom):
            px = x + 200 * (i + 1)
            pins.append(((px, y - height), (px, y - height - 300), no, pname))
        box = ((x - 300, y - height - (300 if bottom else 0)), (x + width + 300, y + (300 if top else 0)))
        self.part(name, ref, value, x + width // 2, y - height // 2, box, pins, rect(x, y - height, x + width, y),
                  (x, y + (320 if top else 40)), (x + width // 2, y + (320 if top else 40)))

    def write(self, path):
        with open(path, "w", encoding="ascii") as f:
            f.write("\n".join(self.lines) + "\n")


def rect(x1, y1, x2, y2):
    return [((x1, y1), (x2, y1)), ((x2, y1), (x2, y2)), ((x2, y2), (x1, y2)), ((x1, y2), (x1, y1))]


def power_sheet():
    s = Sheet()
    s.text("Power supply", 1000, 10300, 160)
    s.text("9-12 V in, 5 V out", 1000, 10050, 80)
    # Input connector J1, regulator U1, capacitors.
    s.ic("CONN2", "J1", "DC-IN", 1500, 8400, 400, [], [("1", "+"), ("2", "-")])
    s.ic("7805", "U1", "LM7805", 4500, 8400, 800, [("1", "IN")], [("3", "OUT")], bottom=[("2", "GND")])
    s.path([(2200, 8200), (4200, 8200)], "VIN", POWER, 16)
    s.path([(2200, 8000), (2600, 8000), (2600, 6600)], "GND")
    s.capacitor("C1", "100u", 3400, 8200)
    s.capacitor("C2", "10u", 6400, 8200)
    s.capacitor("C3", "100n", 7200, 8200)
    s.path([(5600, 8200), (8600, 8200)], "+5V", POWER, 16)
    s.junc(3400, 8200)
    s.junc(6400, 8200)
    s.junc(7200, 8200)
    s.path([(4700, 7700), (4700, 6600)])
    s.wire(2600, 6600, 7200, 6600, "GND")
    for x in (3400, 6400, 7200):
        s.wire(x, 7800, x, 6600)
        if x != 7200:
            s.junc(x, 6600)
    s.junc(4700, 6600)
    # Power indicator.
    s.resistor("R1", "1k", 8600, 8200, vertical=True)
    s.led("D1", "GREEN", 8600, 7600)
    s.path([(8600, 7100), (8600, 6600), (7200, 6600)])
    s.junc(7200, 6600)
    s.text("+5V goes to the other sheets by name", 1000, 5600, 70)
    s.frame(900, 5400, 9400, 9000)
    return s


def mcu_sheet():
    s = Sheet()
    s.text("Controller", 1000, 10300, 160)
    left = [("1", "VCC"), ("2", "GND"), ("3", "RESET"), ("4", "XTAL1"), ("5", "XTAL2"), ("6", "INT0")]
    right = [(str(7 + i), f"D{i}") for i in range(8)]
    s.ic("MCU8", "U2", "MCU-8", 4000, 9000, 1200, left, right)
    # Data lines into the bus D[0..7].
    bus_x = 7000
    for i in range(8):
        y = 9000 - 200 * (i + 1)
        s.wire(5500, y, bus_x - 100, y, f"D{i}")
        s.wire(bus_x - 100, y, bus_x, y - 100)
    s.bus(bus_x, 8900, bus_x, 7000)
    s.bus(bus_x, 7000, 9500, 7000, "D[0..7]")
    s.text("to the LED driver sheet", 9600, 6960, 70)
    # Supply, reset and crystal.
    s.path([(3700, 8800), (3300, 8800), (3300, 9400), (2600, 9400), (2600, 9200)], "+5V")
    s.wire(3700, 8600, 3000, 8600)
    s.wire(3000, 8600, 3000, 5600, "GND")
    s.resistor("R2", "10k", 2600, 9200, vertical=True)
    s.wire(2600, 8600, 2600, 8400)
    s.wire(3700, 8400, 2600, 8400, "RESET")
    s.wire(3700, 8200, 3400, 8200)
    s.wire(3700, 8000, 2000, 8000)
    s.capacitor("C4", "22p", 3400, 7200)
    s.capacitor("C5", "22p", 2000, 7200)
    s.wire(3400, 8200, 3400, 7200)
    s.wire(2000, 8000, 2000, 7200)
    s.wire(3400, 6800, 3400, 5600)
    s.wire(2000, 6800, 2000, 5600)
    s.wire(2000, 5600, 3400, 5600, "GND")
    s.junc(3000, 5600)
    s.text("X1 8 MHz between XTAL1 and XTAL2", 1000, 5100, 70)
    return s


def io_sheet():
    s = Sheet()
    s.text("LED driver", 1000, 10300, 160)
    s.bus(1500, 7000, 3000, 7000, "D[0..7]")
    s.bus(3000, 7000, 3000, 9200)
    for i in range(8):
        x = 3600 + 700 * i
        s.wire(3000, 9000 - 200 * i, 3100, 9100 - 200 * i)
        s.path([(3100, 9100 - 200 * i), (x, 9100 - 200 * i)], f"D{i}")
        s.resistor(f"R{10 + i}", "330", x, 9100 - 200 * i, vertical=True)
        ytop = 9100 - 200 * i - 600
        s.wire(x, ytop, x, 6000)
        s.led(f"D{10 + i}", "RED", x, 6000)
        s.wire(x, 5500, x, 5000)
        if i < 7:
            s.junc(x, 5000) if i > 0 else None
    s.wire(3600, 5000, 3600 + 700 * 7, 5000, "GND")
    s.text("Eight LEDs show the data bus", 1000, 4400, 70)
    return s


# The part of each sheet a window shows when the sheet opens: its circuit
# (left, bottom, right, top in sheet units).
SHOWN = {"power": (800, 5200, 9600, 10600), "controller": (800, 4800, 12200, 10600),
         "leds": (800, 4000, 9400, 10600)}


def store_visible_area(path, area):
    """The converter stores the whole sheet as the visible area; put ours there."""
    with open(path, "rb") as f:
        data = f.read()
    whole = struct.pack("<iiii", 0, 0, 16535, 11693)
    if data.count(whole) != 1:
        sys.exit(f"{path}: no unique visible area to replace")
    with open(path, "wb") as f:
        f.write(data.replace(whole, struct.pack("<iiii", *area)))


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_demo.py VIREO-CLI")
    cli = sys.argv[1]
    sheets = {"power": power_sheet(), "controller": mcu_sheet(), "leds": io_sheet()}
    with tempfile.TemporaryDirectory() as tmp:
        # The converter makes new sheets of the size the settings name: A3.
        config = os.path.join(tmp, "vireo.ini")
        with open(config, "w") as f:
            f.write("[Sheet]\nWork=1\n")
        env = dict(os.environ, VIREO_CONFIG=config)
        for name, sheet in sheets.items():
            text = os.path.join(tmp, name + ".txt")
            sheet.write(text)
            sheet_file = os.path.join(HERE, name + ".dcd")
            subprocess.run([cli, "convert", text, sheet_file], check=True, env=env)
            store_visible_area(sheet_file, SHOWN[name])
    with open(os.path.join(HERE, "demo.dpj"), "w") as f:
        f.write("Project File Ver 0.03\n")
        for name in sheets:
            f.write(f"1:{name}.dcd\n")
        f.write("EndFileList\nProperty List\n&PCB&demo board\nEndPropertyList\n")


if __name__ == "__main__":
    main()
