#!/usr/bin/env python3
"""Second, separate reading of the configuration image: builds the expected bytes of bank.bin,
bank_ESP32_1.bin and bank_ESP32_2.bin for many generated projects and compares them with what
`cf20431-cli compile` writes.

Usage: image_oracle.py CLI [--projects N] [--seed S] [--keep DIR]

Shares no code with the C++ compiler: the XML is read with the standard library's expat-based
DOM, and every table, fall-back and layout rule is written out again here.
"""
import argparse
import os
import random
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.dom.minidom as minidom
from xml.parsers.expat import ExpatError

VERSION = b"1.401"

# ---------------------------------------------------------------------------------------------
# Reading texts


def whole_number(text):
    """Blanks before, optional sign, decimal digits to the end; 32-bit signed range."""
    m = re.fullmatch(r" *([+-]?)([0-9]+)", text)
    if not m:
        return None
    value = int(m.group(2))
    if m.group(1) == "-":
        value = -value
    if value < -2**31 or value > 2**31 - 1:
        return None
    return value


def cut(value, bits):
    return value & ((1 << bits) - 1)


def whole_field(text, bits, fall_back):
    if text is None:
        return fall_back
    value = whole_number(text)
    return fall_back if value is None else cut(value, bits)


FLOAT_RE = re.compile(r" *[+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)([eE][+-]?[0-9]+)? *")


def decimal_value(text):
    """A decimal number typed with "." or ","; 1.0 when it is none or too large for a float."""
    if not FLOAT_RE.fullmatch(text):
        return 1.0
    value = float(text.strip(" ").replace(",", "."))
    try:
        return struct.unpack("<f", struct.pack("<f", value))[0]
    except OverflowError:
        return 1.0


def child_elements(node):
    return [c for c in node.childNodes if c.nodeType == c.ELEMENT_NODE]


def element_text(parent, name):
    """Text of the first child element with this name; None when missing or holding elements."""
    if parent is None:
        return None
    for child in child_elements(parent):
        if child.tagName == name:
            text = ""
            for node in child.childNodes:
                if node.nodeType == node.ELEMENT_NODE:
                    return None
                if node.nodeType in (node.TEXT_NODE, node.CDATA_SECTION_NODE):
                    # The reader drops text nodes made only of white space.
                    if node.data.strip(" \t\r\n") != "":
                        text += node.data
            return text
    return None


def attribute(element, name):
    return element.getAttribute(name) if element.hasAttribute(name) else None


# ---------------------------------------------------------------------------------------------
# Tables

FUNCTIONS = {"Function Null": 0, "Multiplication": 1, "Division": 2, "Addition": 3,
             "Subtraction": 4, "Set Out": 17, "Dim Up": 18, "Dim Down": 19, "Toggle": 20,
             "Ramp Start": 21, "Ramp Stop": 22}
CONDITIONS = {"No Condition": 0, "When Equal to Value": 1, "When Lower to Value": 2,
              "When Greater to Value": 3, "AND Logic with Value": 4, "OR Logic with Value": 5,
              "XOR Logic with Value": 6, "NAND Logic with Value": 7, "NOR Logic with Value": 8}
BUTTON_EVENTS = {"Button Released": 0, "Button Pressed": 1, "Short Press": 2,
                 "Double Press": 5, "Long Press Start": 9, "Long Press Repeat": 11,
                 "Long Press Stop": 12, "Button Free": 14, "Button Stuck": 15}
VALUES = dict(BUTTON_EVENTS)
VALUES.update({"No Movement": 1, "Movement": 1, "Vacant": 2, "Occupied": 2, "Still Vacant": 4,
               "Still Occupied": 6, "Presence Sensor": 8, "Movement Sensor": 8})
INPUT_TYPES = ["Generic Input", "Push Button", "Absolute Input", "Occupancy Sensor",
               "Light Sensor", "Color Sensor", "Relative Input"]
DEVICE_TYPES = ["Fluorescent Lamp", "Emergency Lamp", "High Voltage Discharge", "Alogen Lamp",
                "Dimmer", "Converter", "Led Lamp", "Actuator On Off", "Color Control",
                "Sequencer"]
BAUD_RATES = [1200, 2400, 4800, 9600, 19200, 37400, 57600]


def target_code(text):
    i = text.find("DALI Channel ")
    if i >= 0:
        n = whole_number(text[i + len("DALI Channel "):])
        return cut(0 if n is None else n, 8)
    i = text.find("DALI Group ")
    if i >= 0:
        n = whole_number(text[i + len("DALI Group "):])
        return cut((1 if n is None else n) + 63, 8)
    if "DALI Broadcast" in text:
        return 80
    return 0


def function_number(text):
    if " " not in text:
        return 0
    part = text[:text.index(" ")]
    part = part.strip("".join(chr(c) for c in range(33)))
    n = whole_number(part)
    return 0 if n is None else cut(n, 32)


# ---------------------------------------------------------------------------------------------
# The image


class Image:
    def __init__(self):
        self.rules = []       # up to 256 tuples
        self.functions = []   # entries 1.. as tuples
        self.devices = [0] * 81
        p = bytearray(2048)
        self.params = p

        def u16(o, v):
            p[o:o + 2] = struct.pack("<H", v)

        def u32(o, v):
            p[o:o + 4] = struct.pack("<I", v)
        self.u16, self.u32 = u16, u32
        u32(0, 125000); u32(4, 125000); u32(12, 9600); u16(16, 8)
        u16(52, 10000); u16(54, 10001); u32(404, 38400); p[431] = 1
        p[436:444] = bytes([8] * 8)
        u16(460, 3671); u16(468, 50000); u16(470, 50001); u16(472, 50002); u16(478, 512)
        u32(1896, 6000); u32(1900, 100)
        p[40:44] = bytes([192, 168, 2, 205])
        p[44:48] = bytes([255, 255, 255, 0])
        p[48:52] = bytes([255, 255, 255, 255])
        u16(56, 10001)

    def addresses(self, devices, rules, functions, web):
        self.u32(1532, devices); self.u32(1580, rules); self.u32(1600, functions)
        self.u32(1804, web)

    def param_bytes(self):
        self.u32(2044, sum(self.params[0:2044]) & 0xFFFFFFFF)
        return bytes(self.params)

    def tables(self):
        out = bytearray()
        for k in range(256):
            if k < len(self.rules):
                (inst, ch, typ, kind, event, flags, ts, to, pos, cmd, fn) = self.rules[k]
                d = (inst + ch * 2**8 + typ * 2**14 + kind * 2**18 + event * 2**19
                     + flags * 2**29) % 2**32
                out += struct.pack("<IIIHBBI", d, ts, to, pos, cmd, 0, fn)
            else:
                out += bytes(20)
        out += bytes(12)  # entry 0
        for n in range(1, 256):
            if n <= len(self.functions):
                (nxt, fcode, cond, value, target, level) = self.functions[n - 1]
                out += struct.pack("<BBBBfBBH", nxt, fcode, cond, 0, value, target, level, 0)
            else:
                out += bytes(12)
        return bytes(out)

    def device_bytes(self):
        return bytes(4) + b"".join(struct.pack("<H", w) for w in self.devices) + bytes(90)

    def files(self):
        self.addresses(0x68800, 0x66000, 0x67400, 0xC0000)
        tables = self.tables()
        bank = tables + self.param_bytes() + self.device_bytes()
        self.addresses(0x312000, 0x310000, 0x311400, 0x350000)
        esp1 = self.param_bytes()
        esp2 = tables + self.device_bytes()
        return bank, esp1, esp2


class NotWellFormed(Exception):
    pass


def load(path):
    if not os.path.exists(path):
        return None
    try:
        return minidom.parse(path)
    except ExpatError as e:
        raise NotWellFormed(str(e))


def expected_image(project):
    image = Image()
    dali = load(os.path.join(project, "DALI_Access.xml"))
    dali2 = load(os.path.join(project, "DALI2_Access.xml"))
    pargen = load(os.path.join(project, "ParGen.xml"))

    if dali is not None:
        root = dali.childNodes[0]  # whatever kind of node comes first
        for n in range(64):
            base = "DALI_ID_DEVICE_%d" % n
            word = 0
            if element_text(root, base) == "1":
                word |= 0x8000
            if element_text(root, base + "_DIMMING_MODE") == "Start Break":
                word |= 0x0001
            if element_text(root, base + "_MIN_MAN_VALUE") == "1":
                word |= 0x0004
            recall = element_text(root, base + "_RECALL_LEVEL")
            if recall == "Recall Min-Max Level for Switch":
                word |= 0x0008
            elif recall == "Recall Old Value Level for Switch":
                word |= 0x0010
            image.devices[n] = word

    if dali2 is not None:
        root = next((c for c in dali2.childNodes
                     if c.nodeType == c.ELEMENT_NODE and c.tagName == "DALI2_Access"), None)

        def section(name):
            if root is None:
                return []
            return next((child_elements(c) for c in child_elements(root) if c.tagName == name), [])

        high = 0
        for row in section("DALI2_SetAccess_Rules"):
            if len(image.rules) == 256:
                break
            if attribute(row, "Enable") != "Y":
                continue
            kind = 1 if attribute(row, "DeviceSensor") == "Sensor" else 0
            tname = attribute(row, "Type") or ""
            names = INPUT_TYPES if kind == 1 else DEVICE_TYPES
            typ = names.index(tname) if tname in names else 0
            ch = whole_field(attribute(row, "ChannelNumber"), 8, 0)
            inst = whole_field(attribute(row, "Instance"), 8, 0)
            etext = attribute(row, "Event")
            if etext is None:
                event = 0
            elif etext in BUTTON_EVENTS:
                event = BUTTON_EVENTS[etext]
            else:
                event = whole_field(etext, 16, 0)
            ts = whole_field(attribute(row, "TimeSend"), 32, 0)
            to = whole_field(attribute(row, "TimeOut"), 32, 0)
            ptext = attribute(row, "Position")
            if ptext is None:
                pos = 0
            else:
                pos = whole_field(ptext, 16, 0xFFFF)
                high = max(high, pos + 1)
            flags = 1 if kind == 1 and whole_number(attribute(row, "NumBytes") or "") == 2 else 0
            cmd = whole_field(attribute(row, "Command"), 8, 0)
            fn = function_number(attribute(row, "Function") or "")
            image.rules.append((inst, ch, typ, kind, event, flags, ts, to, pos, cmd, fn))
        image.u32(1576, len(image.rules))
        image.u32(120, high)

        for row in section("DALI2_Functions_Rules"):
            if len(image.functions) == 255:
                break
            vtext = attribute(row, "Value")
            if vtext is None:
                value = 1.0
            elif vtext in VALUES:
                value = float(VALUES[vtext])
            else:
                value = decimal_value(vtext)
            image.functions.append((
                whole_field(attribute(row, "Next_Function"), 8, 0),
                FUNCTIONS.get(attribute(row, "Function") or "", 0),
                CONDITIONS.get(attribute(row, "Condition") or "", 0),
                value,
                target_code(attribute(row, "Channel") or ""),
                whole_field(attribute(row, "Val"), 8, 0)))

    if pargen is not None:
        p = image.params
        p[1644:1652] = VERSION + bytes(8 - len(VERSION))
        root = pargen.childNodes[0]

        def text(name):
            return element_text(root, name)
        for prefix, offset, defaults in (("MTCPs_IP", 40, (192, 168, 0, 10)),
                                         ("MTCPs_SUB", 44, (255, 255, 255, 0)),
                                         ("MTCPs_GAT", 48, (192, 168, 0, 1))):
            for i in range(4):
                p[offset + i] = whole_field(text(prefix + str(i + 1)), 8, defaults[i])
        en = text("MTCPs_EN_GAT")
        if en is None or en == "0":
            p[48:52] = bytes([255] * 4)
        index = whole_number(text("MODBUS_SLAVE_BAUDRATE") or "x")
        index = 7 if index is None else index
        image.u32(400, BAUD_RATES[index] if 0 <= index < 7 else 115200)
        p[424] = whole_field(text("MODBUS_SLAVE_PARITY"), 8, 0)
        image.u32(24, whole_field(text("MODBUS_SLAVE_IDDEVICE"), 32, 10))
        p[98] = 1 if text("MODBUS_SLAVE_DALI_MAP") == "1" else 0
        image.u16(56, whole_field(text("DALI_CONSOLE_PORT"), 16, 10001))
        timeout = 0
        if text("DALI_SWITCH_OFF") == "1":
            timeout = whole_field(text("DALI_TIMEOUT"), 32, 0)
        image.u32(1888, timeout)
        options = 0
        if text("DALI_DISABLE_SCAN") == "1":
            options |= 0x10000
        if text("DALI_ENABLE_DALI_2") == "1":
            options |= 0x20000
        image.u32(1892, options)
    return image.files()


# ---------------------------------------------------------------------------------------------
# Generated projects


def esc(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;"))


class Generator:
    def __init__(self, rnd):
        self.r = rnd

    def pick(self, *choices):
        return self.r.choice(choices)

    def number(self, low, high):
        r = self.r
        kind = r.random()
        if kind < 0.6:
            return str(r.randint(low, high))
        return r.choice([
            " " + str(r.randint(low, high)), str(r.randint(low, high)) + " ", "+7", "-1", "-300",
            "007", "", "abc", "12a", "2147483647", "2147483648", "-2147483648", "-2147483649",
            "4294967295", "99999999999999999999", "0x10", "1.5", "\u0665", "\uff15", "\t5",
            str(r.randint(-70000, 70000)), str(r.randint(256, 100000)), " -5", "- 5", "++1",
        ])

    def text_of(self, choices, junk_share=0.2):
        r = self.r
        if r.random() < junk_share:
            return r.choice(["", "x", "dimmer", "Dimmér", "Sensor ", " Sensor", "Push  Button",
                             "\u00e4\u00f6\u00fc", "Led Lamp\u00a0", "12", "Y"])
        return r.choice(choices)

    def attrs(self, pairs, drop_share=0.05):
        out = []
        items = list(pairs)
        if self.r.random() < 0.2:
            self.r.shuffle(items)
        for name, value in items:
            if self.r.random() < drop_share:
                continue
            out.append('%s="%s"' % (name, esc(value)))
        return " ".join(out)

    def function_text(self):
        r = self.r
        n = r.randint(0, 260)
        return r.choice(["%d - F%d" % (n, n), "%d" % n, "0 - None", " %d - x" % n,
                         "\t%d - y" % n, "abc def", "", "%d  - double" % n, "-1 - neg",
                         "%d- nospace" % n, "300 - big", "%d \u00e9t\u00e9" % n])

    def value_text(self):
        r = self.r
        if r.random() < 0.5:
            return r.choice(list(VALUES))
        return r.choice(["12.5", "12,5", "-3", " 4.25 ", "1e3", "2.5E-2", ".5", "5.", ",75",
                         "abc", "", "1.2.3", "1,2.3", "1e39", "3.4e38", "-3.5e38", "1e", "--1",
                         "inf", "nan", "0x1p3", "1 000", str(r.uniform(-1e6, 1e6)),
                         str(r.randint(-10**6, 10**6)), "\u0661.5", "still occupied"])

    def channel_text(self):
        r = self.r
        return r.choice(["DALI Channel %d" % r.randint(0, 63), "DALI Group %d" % r.randint(1, 16),
                         "DALI Broadcast", "DALI Group Broadcast", "x DALI Channel 5",
                         "DALI Channel 300", "DALI Channel -1", "DALI Channel", "DALI Group x",
                         "DALI Group -63", "dali channel 4", "", "DALI Channel  7",
                         "DALI Group 2147483647", "Canal DALI 3"])

    def rule_row(self, all_enabled):
        r = self.r
        kind = r.choice(["Sensor", "Device", "Sensor", "Device", "sensor", ""])
        pairs = [
            ("Enable", "Y" if all_enabled else r.choice(["Y", "Y", "Y", "N", "y", "", " Y"])),
            ("DeviceSensor", kind),
            ("Type", self.text_of(INPUT_TYPES + DEVICE_TYPES)),
            ("ChannelNumber", self.number(0, 63)),
            ("Instance", self.number(0, 255)),
            ("Command", self.number(0, 255)),
            ("TimeSend", self.number(0, 100000000)),
            ("TimeOut", self.number(0, 100000000)),
            ("Function", self.function_text()),
            ("Position", self.number(0, 1440)),
            ("NumBytes", r.choice(["1", "2", " 2", "02", "2 ", "", "3"])),
            ("Mnemonic", r.choice(["", "Lamp \u00fcber T\u00fcr", "a&b <c>", "x"])),
        ]
        if r.random() < 0.3:
            # Codes of 1024 and more carry into the value flags.
            pairs.append(("Event", r.choice(list(BUTTON_EVENTS) + [
                "7", "1024", "1024", "1536", "65535", "65535", "70000", "-1", "x", ""])))
        name = "row" if r.random() < 0.9 else r.choice(["Row", "rule", "x"])
        return "<%s %s/>" % (name, self.attrs(pairs))

    def function_row(self):
        r = self.r
        pairs = [
            ("Function", self.text_of(list(FUNCTIONS))),
            ("Condition", self.text_of(list(CONDITIONS))),
            ("Value", self.value_text()),
            ("Channel", self.channel_text()),
            ("Val", self.number(0, 255)),
            ("Next_Function", self.number(0, 250) if r.random() < 0.8 else ""),
            ("Mnemonic", r.choice(["", "M\u00f6", "x"])),
        ]
        return "<row %s/>" % self.attrs(pairs)

    def dali2(self):
        r = self.r
        n_rules = r.choice([0, 1, 3, 10, 40, 256, 300]) if r.random() < 0.9 else r.randint(0, 600)
        n_funcs = r.choice([0, 1, 5, 30, 250, 255, 270])
        all_enabled = r.random() < 0.3
        rules = "".join(self.rule_row(all_enabled) for _ in range(n_rules))
        if r.random() < 0.1:
            rules = "<!-- note -->" + rules + "<?pi x?>"
        funcs = "".join(self.function_row() for _ in range(n_funcs))
        sections = ["<DALI2_Functions_Rules>%s</DALI2_Functions_Rules>" % funcs,
                    "<DALI2_SetAccess_Rules>%s</DALI2_SetAccess_Rules>" % rules]
        odd = r.random()
        if odd < 0.1:
            sections.reverse()
        elif odd < 0.15:
            sections = sections[:1]
        elif odd < 0.2:
            sections = sections[1:]
        elif odd < 0.25:
            sections.insert(0, "<DALI2_SetAccess_Rules/>")  # an empty duplicate first
        body = "<DALI2_Access>%s</DALI2_Access><!--SW_VERSION = 1.401-->" % "".join(sections)
        odd = r.random()
        if odd < 0.05:
            body = "<!-- before -->" + body
        elif odd < 0.08:
            body = body.replace("DALI2_Access>", "Other_Root>")
        return body

    def element(self, name, text):
        r = self.r
        odd = r.random()
        if odd < 0.04:
            return ""
        if odd < 0.07:
            return "<%s><b>%s</b></%s>" % (name, esc(text), name)
        if odd < 0.09:
            return "<%s><![CDATA[%s]]></%s>" % (name, text, name)
        if odd < 0.11:
            return "<%s/>" % name
        return "<%s>%s</%s>" % (name, esc(text), name)

    def pargen(self):
        r = self.r
        parts = []
        for prefix, high in (("MTCPs_IP", 255), ("MTCPs_SUB", 255)):
            for i in range(1, 5):
                parts.append(self.element(prefix + str(i), self.number(0, high)))
        parts.append(self.element("MTCPs_EN_GAT", r.choice(["0", "1", "1", "true", " 0", ""])))
        for i in range(1, 5):
            parts.append(self.element("MTCPs_GAT" + str(i), self.number(0, 255)))
        parts.append(self.element("MODBUS_SLAVE_BAUDRATE", self.number(-1, 9)))
        parts.append(self.element("MODBUS_SLAVE_PARITY", self.number(0, 2)))
        parts.append(self.element("MODBUS_SLAVE_IDDEVICE", self.number(1, 247)))
        for flag in ("MODBUS_SLAVE_DALI_MAP", "DALI_SWITCH_OFF", "DALI_DISABLE_SCAN",
                     "DALI_ENABLE_DALI_2"):
            parts.append(self.element(flag, r.choice(["0", "1", "1", " 1", "yes", ""])))
        parts.append(self.element("DALI_CONSOLE_PORT", self.number(0, 65535)))
        parts.append(self.element("DALI_TIMEOUT", self.number(0, 3600000)))
        if r.random() < 0.3:
            r.shuffle(parts)
        if r.random() < 0.15:
            # a later duplicate never wins: the first element of a name counts
            parts.append("<MTCPs_IP1>7</MTCPs_IP1><Unknown>1</Unknown>")
        root = r.choice(["Par_Gen"] * 8 + ["Other", "P\u00e4r"])
        body = "<%s>%s</%s><!--SW_VERSION = 1.401-->" % (root, "".join(parts), root)
        if r.random() < 0.05:
            body = r.choice(["<!-- before -->", "<?pi before?>"]) + body
        return body

    def dali_access(self):
        r = self.r
        parts = []
        for n in range(64):
            parts.append(self.element("DALI_ID_DEVICE_%d" % n,
                                      r.choice(["1", "0", "0", "Y", " 1", ""])))
            parts.append(self.element("DALI_ID_DEVICE_%d_MIN_MAN_VALUE" % n,
                                      r.choice(["1", "0", "0"])))
            parts.append(self.element("DALI_ID_DEVICE_%d_RECALL_LEVEL" % n, r.choice([
                "None", "Recall Min-Max Level for Switch", "Recall Old Value Level for Switch",
                "recall old value level for switch", ""])))
            if r.random() < 0.2:
                parts.append(self.element("DALI_ID_DEVICE_%d_DIMMING_MODE" % n,
                                          r.choice(["Start Break", "Normal", "start break"])))
        if r.random() < 0.3:
            r.shuffle(parts)
        if r.random() < 0.1:
            parts.append("<DALI_ID_DEVICE_07>1</DALI_ID_DEVICE_07><DALI_ID_DEVICE_64>1"
                         "</DALI_ID_DEVICE_64>")
        body = "<DALI_Access>%s</DALI_Access><!--SW_VERSION = 1.401-->" % "".join(parts)
        if r.random() < 0.05:
            body = "<!-- before -->" + body
        return body

    def broken(self, body):
        r = self.r
        return r.choice([body[:len(body) // 2], body + "<", body.replace(">", "", 1),
                         "<a><b></a></b>", "", body + "</extra>", "<a></b>"])

    def project(self, folder):
        r = self.r
        broken = r.random() < 0.08
        files = {"DALI_Access.xml": self.dali_access, "DALI2_Access.xml": self.dali2,
                 "ParGen.xml": self.pargen}
        broken_name = r.choice(list(files)) if broken else None
        for name, make in files.items():
            if r.random() < 0.12 and name != broken_name:
                continue  # missing file
            body = make()
            if name == broken_name:
                body = self.broken(body)
            with open(os.path.join(folder, name), "w", encoding="utf-8", newline="") as f:
                f.write(body)
        return broken_name


def well_formed(path):
    try:
        load(path)
        return True
    except NotWellFormed:
        return False


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("--projects", type=int, default=40)
    parser.add_argument("--seed", type=int, default=20431)
    parser.add_argument("--keep", help="keep the generated projects in this folder")
    args = parser.parse_args()

    rnd = random.Random(args.seed)
    generator = Generator(rnd)
    work = args.keep or tempfile.mkdtemp(prefix="cf20431-oracle-")
    os.makedirs(work, exist_ok=True)
    failures = 0
    names = ("bank.bin", "bank_ESP32_1.bin", "bank_ESP32_2.bin")
    old = [b"old bank", b"old esp32 1", b"old esp32 2"]
    try:
        for index in range(args.projects):
            folder = os.path.join(work, "p%03d" % index)
            os.makedirs(os.path.join(folder, "bin"))
            for name, content in zip(names, old):
                with open(os.path.join(folder, "bin", name), "wb") as f:
                    f.write(content)
            generator.project(folder)
            run = subprocess.run([args.cli, "compile", folder], capture_output=True)
            try:
                expected = expected_image(folder)
            except NotWellFormed:
                expected = None
            if expected is None:
                # Not well-formed: exit 1, the earlier image files untouched.
                got = [open(os.path.join(folder, "bin", n), "rb").read() for n in names]
                if run.returncode != 1 or got != old:
                    failures += 1
                    print("%s: not well-formed project: exit %d, images %s" % (
                        folder, run.returncode, "untouched" if got == old else "CHANGED"))
                continue
            if run.returncode != 0:
                failures += 1
                print("%s: exit %d: %s" % (folder, run.returncode, run.stderr.decode(
                    errors="replace")))
                continue
            for name, want in zip(names, expected):
                got = open(os.path.join(folder, "bin", name), "rb").read()
                if got != want:
                    failures += 1
                    first = next((i for i in range(min(len(got), len(want)))
                                  if got[i] != want[i]), min(len(got), len(want)))
                    print("%s: %s differs (%d vs %d bytes), first at offset %d: got %s want %s"
                          % (folder, name, len(got), len(want), first,
                             got[first:first + 8].hex(), want[first:first + 8].hex()))
        print("%d projects, %d differences" % (args.projects, failures))
    finally:
        if not args.keep and failures == 0:
            shutil.rmtree(work, ignore_errors=True)
        elif failures:
            print("projects kept in", work)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
