// The constructions behind every point, line and circle statement. Each solver is a pure
// function from records, numbers and choice letters to a new record.
//
// Common rules:
// - SansSolution, always the last parameter, is set false on entry and true when the
//   construction has no solution; the returned record is then meaningless. A solver that
//   calls others passes the same flag on and so inherits what the last of them left.
// - Angles given as numbers (statement arguments written with A) are in degrees.
// - Solvers never fill Numero, Couleur or Couche; point solvers set X and Y, line solvers
//   the base point, direction and segment ends, circle solvers the centre, radius and arc
//   fields (always 0).
// - Fixed letters (M for midpoint and bisector, O for perpendicular) are checked by the
//   caller's signature table and are not passed.
#pragma once

#include "geometry/records.h"

namespace velk {

// ---- Points -----------------------------------------------------------------------------

// (N1, N2).
TRecPoint PointCoordonnees(Reel N1, Reel N2, bool& SansSolution);
// At distance N1 from the origin, in direction N2 degrees.
TRecPoint PointPolaire(Reel N1, Reel N2, bool& SansSolution);
// P shifted by (N1, N2).
TRecPoint PointDecale(const TRecPoint& P, Reel N1, Reel N2, bool& SansSolution);
// At distance N1 from P, in direction N2 degrees.
TRecPoint PointPolaireRelatif(const TRecPoint& P, Reel N1, Reel N2, bool& SansSolution);
// Centre of C.
TRecPoint PointCentre(const TRecCercle& C, bool& SansSolution);
// P1 turned counter-clockwise about P2 by N1 degrees.
TRecPoint PointRotation(const TRecPoint& P1, const TRecPoint& P2, Reel N1, bool& SansSolution);
// P1 mirrored through the point P2.
TRecPoint PointSymetriquePoint(const TRecPoint& P1, const TRecPoint& P2, bool& SansSolution);
// P mirrored in the line L.
TRecPoint PointSymetriqueLigne(const TRecPoint& P, const TRecLigne& L, bool& SansSolution);
// Intersection of two lines; none when they are parallel.
TRecPoint PointInterLignes(const TRecLigne& L1, const TRecLigne& L2, bool& SansSolution);
// One intersection of L and C chosen by H, B, D or G; none when L misses C.
TRecPoint PointInterLigneCercle(const TRecLigne& L, const TRecCercle& C, char Lettre,
                                bool& SansSolution);
// One intersection of two circles chosen by H, B, D or G; none when concentric or apart.
TRecPoint PointInterCercles(const TRecCercle& C1, const TRecCercle& C2, char Lettre,
                            bool& SansSolution);
// Midpoint of P1 and P2 (statement letter M).
TRecPoint PointMilieu(const TRecPoint& P1, const TRecPoint& P2, bool& SansSolution);

// ---- Lines ------------------------------------------------------------------------------

// Through (N1, N2) in direction N3 degrees.
TRecLigne LigneCoordonnees(Reel N1, Reel N2, Reel N3, bool& SansSolution);
// Through P in direction N1 degrees.
TRecLigne LignePointAngle(const TRecPoint& P, Reel N1, bool& SansSolution);
// Through P1, directed towards P2.
TRecLigne LigneDeuxPoints(const TRecPoint& P1, const TRecPoint& P2, bool& SansSolution);
// Parallel to L through P.
TRecLigne LigneParallelePoint(const TRecPoint& P, const TRecLigne& L, bool& SansSolution);
// Perpendicular to L through P (statement letter O).
TRecLigne LignePerpendiculairePoint(const TRecPoint& P, const TRecLigne& L, bool& SansSolution);
// Tangent from P to C chosen by H, B, D or G; none when P is inside C.
TRecLigne LigneTangentePoint(const TRecPoint& P, const TRecCercle& C, char Lettre,
                             bool& SansSolution);
// X: the vertical line x = N1; Y: the horizontal line y = N1.
TRecLigne LigneAxe(Reel N1, char Lettre, bool& SansSolution);
// Parallel to L at distance N1 on the side chosen by H, B, D or G.
TRecLigne LigneParalleleDistance(const TRecLigne& L, Reel N1, char Lettre, bool& SansSolution);
// Parallel to L tangent to C on the side chosen by H, B, D or G.
TRecLigne LigneParalleleTangente(const TRecLigne& L, const TRecCercle& C, char Lettre,
                                 bool& SansSolution);
// Perpendicular to L tangent to C on the side chosen by H, B, D or G (statement letters O
// then Lettre).
TRecLigne LignePerpendiculaireTangente(const TRecLigne& L, const TRecCercle& C, char Lettre,
                                       bool& SansSolution);
// Segment of a common tangent of C1 and C2 between its points of contact, Lettre1 placing
// the contact on C1 and Lettre2 on C2.
TRecLigne LigneTangenteCercles(const TRecCercle& C1, const TRecCercle& C2, char Lettre1,
                               char Lettre2, bool& SansSolution);
// Tangent to C in direction N1 degrees, on the side chosen by H, B, D or G.
TRecLigne LigneTangenteAngle(const TRecCercle& C, Reel N1, char Lettre, bool& SansSolution);
// L mirrored through the point P.
TRecLigne LigneSymetriquePoint(const TRecLigne& L, const TRecPoint& P, bool& SansSolution);
// L1 mirrored in L2.
TRecLigne LigneSymetriqueLigne(const TRecLigne& L1, const TRecLigne& L2, bool& SansSolution);
// L turned counter-clockwise about P by N1 degrees.
TRecLigne LigneRotation(const TRecLigne& L, const TRecPoint& P, Reel N1, bool& SansSolution);
// A bisector of L1 and L2 through their intersection (statement letter M).
TRecLigne LigneBissectrice(const TRecLigne& L1, const TRecLigne& L2, bool& SansSolution);

// ---- Circles ----------------------------------------------------------------------------

// Centre (N1, N2), radius N3.
TRecCercle CercleCoordonnees(Reel N1, Reel N2, Reel N3, bool& SansSolution);
// Centre P, radius N1.
TRecCercle CerclePointRayon(const TRecPoint& P, Reel N1, bool& SansSolution);
// Centre P1, through P2; none when they coincide.
TRecCercle CerclePointPoint(const TRecPoint& P1, const TRecPoint& P2, bool& SansSolution);
// Centre P, tangent to L; none when P is on L.
TRecCercle CercleCentreTangentLigne(const TRecPoint& P, const TRecLigne& L, bool& SansSolution);
// Centre P, tangent to C: G the greater radius, I the smaller; none when P is on C.
TRecCercle CercleCentreTangentCercle(const TRecPoint& P, const TRecCercle& C, char Lettre,
                                     bool& SansSolution);
// C moved by (N1, N2).
TRecCercle CercleDecale(const TRecCercle& C, Reel N1, Reel N2, bool& SansSolution);
// C moved by N1 in direction N2 degrees.
TRecCercle CerclePolaire(const TRecCercle& C, Reel N1, Reel N2, bool& SansSolution);
// Centre of C, radius N1.
TRecCercle CercleConcentrique(const TRecCercle& C, Reel N1, bool& SansSolution);
// Centre of C, radius Rc + N1 (G) or Rc - N1 (I).
TRecCercle CercleConcentriqueDecale(const TRecCercle& C, Reel N1, char Lettre, bool& SansSolution);
// Through three points.
TRecCercle CercleTroisPoints(const TRecPoint& P1, const TRecPoint& P2, const TRecPoint& P3,
                             bool& SansSolution);
// C turned counter-clockwise about P by N1 degrees.
TRecCercle CercleRotation(const TRecCercle& C, const TRecPoint& P, Reel N1, bool& SansSolution);
// C mirrored through the point P.
TRecCercle CercleSymetriquePoint(const TRecCercle& C, const TRecPoint& P, bool& SansSolution);
// C mirrored in the line L.
TRecCercle CercleSymetriqueLigne(const TRecCercle& C, const TRecLigne& L, bool& SansSolution);

// ---- Circles of radius N1 tangent to two elements ---------------------------------------

// Through P1 and P2, centre chosen by H, B, D or G.
TRecCercle CercleDeuxPointsRayon(const TRecPoint& P1, const TRecPoint& P2, Reel N1, char Lettre,
                                 bool& SansSolution);
// Through P, tangent to L, centre chosen by H, B, D or G.
TRecCercle CerclePointLigneRayon(const TRecPoint& P, const TRecLigne& L, Reel N1, char Lettre,
                                 bool& SansSolution);
// Through P, tangent to C outside (E) or inside (I), centre chosen by H, B, D or G.
TRecCercle CerclePointCercleRayon(const TRecPoint& P, const TRecCercle& C, Reel N1, char Tangence,
                                  char Position, bool& SansSolution);
// Tangent to L1 on side Lettre1 and to L2 on side Lettre2.
TRecCercle CercleDeuxLignesRayon(const TRecLigne& L1, const TRecLigne& L2, Reel N1, char Lettre1,
                                 char Lettre2, bool& SansSolution);
// Tangent to L on side Cote and to C outside (E) or inside (I), centre chosen by Position.
TRecCercle CercleLigneCercleRayon(const TRecLigne& L, const TRecCercle& C, Reel N1, char Cote,
                                  char Tangence, char Position, bool& SansSolution);
// Tangent to C1 (Tangence1: E or I) and C2 (Tangence2), centre chosen by Position.
TRecCercle CercleDeuxCerclesRayon(const TRecCercle& C1, const TRecCercle& C2, Reel N1,
                                  char Tangence1, char Tangence2, char Position,
                                  bool& SansSolution);

} // namespace velk
