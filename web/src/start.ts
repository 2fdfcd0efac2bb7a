// SPDX-License-Identifier: GPL-3.0-or-later
// The one script of the page runs twice: in the page, where it builds the
// window, and in the worker that plays many games, which the page starts
// from the same script text.
import { rechnerStarten } from "./arbeiter/rechner";
import { seiteStarten, startfehlerZeigen } from "./seite";

if (typeof document === "undefined") rechnerStarten();
else seiteStarten().catch(startfehlerZeigen);
