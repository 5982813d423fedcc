// How <sauramiti-date-picker> looks: the style sheet of its shadow root (the light and dark
// themes), the control's colours as CSS, and twips and points as CSS pixels.
//
// Every colour the control sets is drawn through a custom property with the control's own
// colour as fallback, so a page or a theme can restyle each one: --sauramiti-system-N for the
// system colour N (resolved here as a classic desktop's light palette), --sauramiti-color-RRGGBB
// for a plain colour (0x00BBGGRR in the control's encoding).

// The control works in twips: 1440 to an inch, and a CSS pixel is 1/96 inch.
export const TWIPS_PER_PX = 15;
const DESIGN_WIDTH = 5535;
const DESIGN_HEIGHT = 5220;

export const STYLE = `
:host { display: inline-block; position: relative; width: ${DESIGN_WIDTH / TWIPS_PER_PX}px;
  height: ${DESIGN_HEIGHT / TWIPS_PER_PX}px; contain: layout; user-select: none;
  --sauramiti-font: Tahoma, "DejaVu Sans", Arial, sans-serif;
  --sauramiti-nepali-font: "Noto Sans Devanagari", "Noto Sans", sans-serif;
  --sauramiti-focus: #1a73e8; }
:host([hidden]) { display: none; }
.dark-theme { --sauramiti-system-15: #2b2d31; --sauramiti-system-16: #1b1c1f;
  --sauramiti-system-18: #e8e8e8; --sauramiti-system-13: #8ab4f8; --sauramiti-system-5: #202124;
  --sauramiti-system-8: #e8e8e8; --sauramiti-color-FFC0C0: #3a2526; --sauramiti-color-C0C0FF: #402c2c;
  --sauramiti-color-000000: #e8e8e8; --sauramiti-color-FF0000: #ff8a80;
  --sauramiti-color-FFFF00: #ffe082; --sauramiti-color-0000FF: #8ab4f8;
  --sauramiti-color-FFFFFF: #202124; --sauramiti-focus: #8ab4f8; color-scheme: dark; }
@media (prefers-color-scheme: dark) { .auto-theme { --sauramiti-system-15: #2b2d31;
  --sauramiti-system-16: #1b1c1f; --sauramiti-system-18: #e8e8e8; --sauramiti-system-13: #8ab4f8;
  --sauramiti-color-FFC0C0: #3a2526; --sauramiti-color-C0C0FF: #402c2c;
  --sauramiti-color-000000: #e8e8e8; --sauramiti-color-0000FF: #8ab4f8; color-scheme: dark; } }
.surface { position: absolute; left: 0; top: 0; overflow: hidden; }
.child { position: absolute; box-sizing: border-box; overflow: hidden; white-space: nowrap;
  margin: 0; padding: 0; }
.label { display: flex; align-items: center; }
.centred { justify-content: center; }
.raised { box-shadow: inset -1px -1px 0 rgba(0,0,0,.35), inset 1px 1px 0 rgba(255,255,255,.6); }
.day { cursor: pointer; }
.day[data-corner]::after { content: attr(data-corner); position: absolute; top: 1px; right: 3px; font-size: 40%; }
.day.disabled { cursor: default; opacity: .55; }
.day:focus-visible, .day.focused:focus { outline: 2px solid var(--sauramiti-focus); outline-offset: -2px; }
.today { text-decoration: underline; text-underline-offset: 2px; }
.marked-today { outline: 2px solid var(--sauramiti-today-mark, #d04000); outline-offset: -4px; }
select.child { appearance: auto; border: 1px solid rgba(0,0,0,.4); }
.row { display: contents; }
.hidden { display: none; }
`;

export function colour(value) {
  if (value >= 0x80000000) {
    const index = value - 0x80000000;
    const fallback = SYSTEM_COLOURS[index] ?? "#c0c0c0";
    return `var(--sauramiti-system-${index}, ${fallback})`;
  }
  const r = value & 0xff;
  const g = (value >> 8) & 0xff;
  const b = (value >> 16) & 0xff;
  const hex = [r, g, b].map((c) => c.toString(16).padStart(2, "0")).join("").toUpperCase();
  return `var(--sauramiti-color-${hex}, #${hex})`;
}

// The light look of the system colours a classic desktop gives.
const SYSTEM_COLOURS = {
  5: "#ffffff",
  8: "#000000",
  13: "#0078d7",
  14: "#ffffff",
  15: "#f0f0f0",
  16: "#a0a0a0",
  18: "#000000",
};

export const px = (twips) => `${twips / TWIPS_PER_PX}px`;
// Points to CSS pixels: a point is 20 twips.
export const fontPx = (points) => `${(points * 20) / TWIPS_PER_PX}px`;
