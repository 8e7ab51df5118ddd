#!/usr/bin/python3
"""Builds Morvana-<version>-x64.msi from packaging/morvana.wxs with wixl, so
that the same inputs always give the same bytes.

    make_msi.py --wxs morvana.wxs --version 1.0.1 --exe Morvana.exe
                --readme README.txt --licence LICENSE --icon morvana.ico
                --about-link URL --help-link URL --work DIR --output Morvana-1.0.1-x64.msi

wixl leaves four things to mend:
- it stores each file's modification time in its cabinet: the files are
  staged with one fixed time (SOURCE_DATE_EPOCH when set);
- it draws a new package code and stamps the clock into the summary
  information: the package code is derived from the inputs, the times fixed;
- it hashes every file and leaves File.Version empty, so that Windows
  Installer would take Morvana.exe for an unversioned file: its version row is
  set from the file's own version resource and its hash row dropped;
- a fresh ProductCode for each version: derived from the version number, so
  that one version always has the same one.
"""

import argparse
import hashlib
import os
import re
import shutil
import struct
import subprocess
import sys
import uuid

import gi

gi.require_version("Libmsi", "1.0")
from gi.repository import Libmsi  # noqa: E402 (needs the version asked for first)

# 2000-01-01 00:00:00 UTC: a fixed time for the staged files and the summary
# information when the build does not give one.
DEFAULT_EPOCH = 946684800
# FILETIME counts 100 ns steps from 1601-01-01.
FILETIME_UNIX_EPOCH = 116444736000000000


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for name in ("wxs", "version", "exe", "readme", "licence", "icon", "about-link", "help-link", "work", "output"):
        parser.add_argument("--" + name, required=True)
    return parser.parse_args()


def file_version(exe_path):
    """The fixed file version of a program file's version resource, a.b.c.d."""
    with open(exe_path, "rb") as exe:
        data = exe.read()
    at = data.find(struct.pack("<I", 0xFEEF04BD))  # VS_FIXEDFILEINFO's signature
    if at < 0:
        sys.exit(f"{exe_path} has no version resource")
    most, least = struct.unpack_from("<II", data, at + 8)
    return f"{most >> 16}.{most & 0xFFFF}.{least >> 16}.{least & 0xFFFF}"


def stage(args, epoch):
    """The files as the package holds them, all with the same time."""
    stage_dir = os.path.join(args.work, "stage")
    shutil.rmtree(stage_dir, ignore_errors=True)
    os.makedirs(stage_dir)
    for source, name in ((args.exe, "Morvana.exe"), (args.readme, "README.txt"),
                         (args.licence, "LICENSE.txt"), (args.icon, "morvana.ico")):
        target = os.path.join(stage_dir, name)
        shutil.copyfile(source, target)
        os.utime(target, (epoch, epoch))
    return stage_dir


def run(db, sql):
    query = Libmsi.Query.new(db, sql)
    query.execute(None)
    query.close()


def main():
    args = parse_arguments()
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", DEFAULT_EPOCH))
    with open(args.wxs, encoding="utf-8") as wxs:
        source = wxs.read()
    upgrade_code = uuid.UUID(re.search(r'UpgradeCode="([^"]+)"', source).group(1))
    exe_version = file_version(args.exe)
    if exe_version != args.version + ".0":
        sys.exit(f"{args.exe} says version {exe_version}, the package {args.version}")

    stage_dir = stage(args, epoch)
    product_code = uuid.uuid5(upgrade_code, "ProductCode " + args.version)
    raw = os.path.join(args.work, "wixl.msi")
    subprocess.run(["wixl", "--arch", "x64", "--output", os.path.abspath(raw),
                    "-D", "Version=" + args.version, "-D", "ProductCode=" + str(product_code).upper(),
                    "-D", "AboutLink=" + args.about_link, "-D", "HelpLink=" + args.help_link,
                    os.path.abspath(args.wxs)], cwd=stage_dir, check=True)

    # One package code for each distinct content: the source and every staged byte.
    digest = hashlib.sha256(source.encode())
    for name in sorted(os.listdir(stage_dir)):
        with open(os.path.join(stage_dir, name), "rb") as staged:
            digest.update(name.encode() + b"\0" + staged.read())
    package_code = uuid.uuid5(upgrade_code, "PackageCode " + args.version + " " + digest.hexdigest())

    db = Libmsi.Database.new(raw, Libmsi.DbFlags.TRANSACT, None)
    run(db, f"UPDATE `File` SET `Version` = '{exe_version}', `Language` = '1033' WHERE `File` = 'MorvanaExe'")
    run(db, "DELETE FROM `MsiFileHash` WHERE `File_` = 'MorvanaExe'")
    summary = Libmsi.SummaryInfo.new(db, 3)
    summary.set_string(Libmsi.Property.UUID, "{" + str(package_code).upper() + "}")
    filetime = FILETIME_UNIX_EPOCH + epoch * 10_000_000
    summary.set_filetime(Libmsi.Property.CREATED_TM, filetime)
    summary.set_filetime(Libmsi.Property.LASTSAVED_TM, filetime)
    summary.save(db)
    db.commit()
    del summary, db
    os.replace(raw, args.output)


if __name__ == "__main__":
    main()
