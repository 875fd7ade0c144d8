#!/usr/bin/env bash
# Makes a demo prefix: a Wine-style folder tree with two simulators' scenery libraries and
# one product folder holding the manager, its manifest, its picture and its option,
# Autogen and flight files.
# Usage: make-demo-prefix.sh PREFIX_DIR BUILD_DIR
# Prints the product folder's host path. An existing PREFIX_DIR is replaced.
set -euo pipefail
prefix="$1"
build="$2"
user="$(id -un)"

rm -rf "$prefix"
c="$prefix/drive_c"
product="$c/Corvane/Demo Airfield"
mkdir -p "$c/ProgramData/Microsoft/FSX" \
         "$c/ProgramData/Lockheed Martin/Prepar3D v4" \
         "$c/users/$user/Documents/Flight Simulator X Files" \
         "$c/users/$user/Documents/Prepar3D v4 Files" \
         "$product/scenery" "$product/texture" "$product/Flights"

# Writes its arguments as lines ending in CR LF.
crlf() { printf '%s\r\n' "$@"; }

# Flight Simulator X: an ANSI library with CR LF lines.
{
  crlf '[General]' 'Title=FS9 World Scenery' 'Description=FS9 World Scenery Data' 'Clean_on_Exit=TRUE' ''
  crlf '[Area.001]' 'Title=Default Terrain' 'Local=Scenery\World' 'Active=TRUE' 'Required=TRUE' 'Layer=1' ''
  crlf '[Area.002]' 'Title=Default Scenery' 'Local=Scenery\BASE' 'Active=TRUE' 'Required=TRUE' 'Layer=2' ''
  crlf '[Area.003]' 'Title=Addon Scenery' 'Local=Addon Scenery' 'Active=TRUE' 'Required=FALSE' 'Layer=3'
} > "$c/ProgramData/Microsoft/FSX/scenery.cfg"

# Prepar3D v4: a UTF-8 library with a byte-order mark.
{
  printf '\xef\xbb\xbf'
  crlf '[General]' 'Title=Prepar3D Scenery' 'Clean_on_Exit=TRUE' ''
  crlf '[Area.001]' 'Title=Default Terrain' 'Texture_ID=1' 'Local=Scenery\World' 'Layer=1' 'Active=TRUE' 'Required=TRUE' ''
  crlf '[Area.002]' 'Title=Propeller Airfields' 'Local=Addon Scenery\Propeller' 'Layer=2' 'Active=TRUE' 'Required=FALSE'
} > "$c/ProgramData/Lockheed Martin/Prepar3D v4/scenery.cfg"

cp "$build/bin/lumvek.exe" "$product/lumvek.exe"
"$build/demo/demo_picture" "$product/lumvek.bmp"
{
  crlf 'Demo Airfield Scenery Manager' 'Corvane' 'Demo Airfield'
  crlf 'A small grass airfield with its hangars, static aircraft and night lighting, shipped to show what the scenery manager does.'
  crlf 'http://127.0.0.1:8099/demo/'
  crlf 3
  crlf 'Flight Simulator X' 'Microsoft\FSX' 'Flight Simulator X Files' 'Microsoft Flight Simulator X'
  crlf 'Prepar3D v4' 'Lockheed Martin\Prepar3D v4' 'Prepar3D v4 Files' 'Lockheed Martin Prepar3D v4'
  crlf 'Prepar3D v5' 'Lockheed Martin\Prepar3D v5' 'Prepar3D v5 Files' 'Lockheed Martin Prepar3D v5'
  crlf 1 1 3
  crlf 'Static aircraft' 'Parked aircraft on the apron' 'DemoAirfield_statics.bgl' 'DemoAirfield_statics' '.bgl' '.bg_'
  crlf 'Night lighting' 'Runway and apron lights' 'DemoAirfield_lights.bgl' 'DemoAirfield_lights*' '.bgl' '.bg_'
  crlf 'Winter ground' 'Snow-covered ground textures' 'DemoAirfield_winter.bgl' 'DemoAirfield_winter' '.bgl' '.bg_'
} > "$product/lumvek.ini"

for name in DemoAirfield_base.bgl DemoAirfield_statics.bgl DemoAirfield_lights.bgl \
            DemoAirfield_lights_apron.bgl DemoAirfield_winter.bg_; do
  printf 'demo scenery file %s\n' "$name" > "$product/scenery/$name"
done
for name in agn.agn hangars.agn trees_north.agn trees_south.agn; do
  printf 'demo autogen file %s\n' "$name" > "$product/texture/$name"
done
printf 'demo texture\n' > "$product/texture/runway.bmp"
crlf '[Main]' 'Title=Demo Airfield circuits' > "$product/Flights/Demo Airfield.FLT"
crlf 0 > "$product/version.txt"
crlf 'Version 1.00.0: first release.' > "$product/Changes.txt"

echo "$product"
