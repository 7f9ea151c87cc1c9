-- Equipment: ballistic
-- Columns, in table order:
--   IDNUM, SAVENUM (= IDNUM), SAVE97 (the older number of the design files), NAME, ABBR (code name),
--   TECH (1 IS L1, 2 IS L2, 4 IS L3, 8 Clan L2, 16 Clan L3, 32 Mixed), TONS, CRITS, DMG (shots per ton
--   for ammunition), HEAT, MINRNG, SRT, MED, LNG, BV (per ton for ammunition), COST (per ton for
--   ammunition), OPTIONS (1 offensive, 2 direct fire, 4 can split, 8 uses Artemis, 16 removes
--   actuators, 32 append number, 64 ultra, 128 streak, 256 LB-X, 512 inventory, 2048 explosive),
--   INLIST, LOCS (1 H, 2 CT, 4 RT, 8 LT, 16 RA, 32 LA, 64 RL, 128 LL), DMGTXT,
--   CALCTONS, CALCCRITS, CALCHEAT, CALCDMG, CALCCOST, CALCBV (formulas; first letter H, Q or W rounds
--   up to the half ton, quarter or whole, R to the nearest whole (halves up), N leaves the value as
--   it is).

-- Inner Sphere ballistic weapons, identifiers 300 to 399
INSERT INTO WepTable VALUES(300,300,200,'Autocannon/2'        ,'AC/2'      ,39, 6.0, 1, 2,1,4, 8,16,24, 37, 75000.0, 515,0,255,'2'       ,'','','','','','');
INSERT INTO WepTable VALUES(301,301,201,'Autocannon/5'        ,'AC/5'      ,39, 8.0, 4, 5,1,3, 6,12,18, 70,125000.0, 515,0,255,'5'       ,'','','','','','');
INSERT INTO WepTable VALUES(302,302,202,'Autocannon/10'       ,'AC/10'     ,39,12.0, 7,10,3,0, 5,10,15,124,200000.0, 519,0,255,'10'      ,'','','','','','');
INSERT INTO WepTable VALUES(303,303,203,'Autocannon/20'       ,'AC/20'     ,39,14.0,10,20,7,0, 3, 6, 9,178,300000.0, 519,0,255,'20'      ,'','','','','','');
INSERT INTO WepTable VALUES(304,304,204,'Machine Gun'         ,'MG'        ,39, 0.5, 1, 2,0,0, 1, 2, 3,  5,  5000.0, 515,0,255,'2'       ,'','','','','','');
INSERT INTO WepTable VALUES(305,305,205,'Gauss Rifle'         ,'Gauss'     ,38,15.0, 7,15,1,2, 7,15,22,321,300000.0,2567,0,255,'15'      ,'','','','','','');
INSERT INTO WepTable VALUES(306,306,206,'Light Gauss Rifle'   ,'LightGauss',38,12.0, 5, 8,1,3, 8,17,25,159,275000.0,2563,0,255,'8'       ,'','','','','','');
INSERT INTO WepTable VALUES(307,307,207,'Heavy Gauss Rifle'   ,'HeavyGauss',38,18.0,11,25,2,4, 6,13,20,346,500000.0,2567,0,255,'25/20/10','','','','','','');
INSERT INTO WepTable VALUES(308,308,208,'LB 2-X AC'           ,'LB2-X'     ,38, 6.0, 4, 2,1,4, 9,18,27, 42,150000.0, 771,0,255,'2'       ,'','','','','','');
INSERT INTO WepTable VALUES(309,309,209,'LB 5-X AC'           ,'LB5-X'     ,38, 8.0, 5, 5,1,3, 7,14,21, 83,250000.0, 771,0,255,'5'       ,'','','','','','');
INSERT INTO WepTable VALUES(310,310,210,'LB 10-X AC'          ,'LB10-X'    ,38,11.0, 6,10,2,0, 6,12,18,148,400000.0, 771,0,255,'10'      ,'','','','','','');
INSERT INTO WepTable VALUES(311,311,211,'LB 20-X AC'          ,'LB20-X'    ,38,14.0,11,20,6,0, 4, 8,12,237,600000.0, 775,0,255,'20'      ,'','','','','','');
INSERT INTO WepTable VALUES(312,312,212,'Ultra AC/2'          ,'UltraAC/2' ,38, 7.0, 3, 2,1,3, 8,17,25, 56,120000.0, 579,0,255,'2'       ,'','','','','','');
INSERT INTO WepTable VALUES(313,313,213,'Ultra AC/5'          ,'UltraAC/5' ,38, 9.0, 5, 5,1,2, 6,13,20,113,200000.0, 579,0,255,'5'       ,'','','','','','');
INSERT INTO WepTable VALUES(314,314,214,'Ultra AC/10'         ,'UltraAC/10',38,13.0, 7,10,4,0, 6,12,18,210,320000.0, 583,0,255,'10'      ,'','','','','','');
INSERT INTO WepTable VALUES(315,315,215,'Ultra AC/20'         ,'UltraAC/20',38,15.0,10,20,8,0, 3, 7,10,281,480000.0, 583,0,255,'20'      ,'','','','','','');
INSERT INTO WepTable VALUES(316,316,216,'Rotary AC/2'         ,'RotaryAC/2',38, 8.0, 3, 2,1,0, 6,12,18,118,175000.0, 579,0,255,'2'       ,'','','','','','');
INSERT INTO WepTable VALUES(317,317,217,'Rotary AC/5'         ,'RotaryAC/5',38,10.0, 6, 5,1,0, 5,10,15,247,275000.0, 579,0,255,'5'       ,'','','','','','');
INSERT INTO WepTable VALUES(318,318,218,'Light AC/2'          ,'LightAC/2' ,38, 4.0, 1, 2,1,0, 6,12,18, 30,100000.0, 515,0,255,'2'       ,'','','','','','');
INSERT INTO WepTable VALUES(319,319,219,'Light AC/5'          ,'LightAC/5' ,38, 5.0, 2, 5,1,0, 5,10,15, 62,150000.0, 515,0,255,'5'       ,'','','','','','');
INSERT INTO WepTable VALUES(320,320,220,'Light Machine Gun'   ,'LightMG'   ,38, 0.5, 1, 1,0,0, 2, 4, 6,  5,  5000.0, 515,0,255,'1'       ,'','','','','','');
INSERT INTO WepTable VALUES(321,321,221,'Heavy Machine Gun'   ,'HeavyMG'   ,38, 1.0, 1, 3,0,0, 1, 2, 2,  6,  7500.0, 515,0,255,'3'       ,'','','','','','');
INSERT INTO WepTable VALUES(322,322,222,'Magshot Gauss Rifle' ,'Magshot'   ,38, 0.5, 2, 2,1,0, 3, 6, 9, 15,  8500.0,2563,0,255,'2'       ,'','','','','','');
INSERT INTO WepTable VALUES(323,323,223,'Hyper Velocity AC/2' ,'HVAC/2'    ,36, 8.0, 2, 2,1,3,10,20,35, 53,100000.0, 515,0,255,'2'       ,'','','','','','');
INSERT INTO WepTable VALUES(324,324,224,'Hyper Velocity AC/5' ,'HVAC/5'    ,36,12.0, 4, 5,3,0, 8,16,28,109,160000.0, 515,0,255,'5'       ,'','','','','','');
INSERT INTO WepTable VALUES(325,325,225,'Hyper Velocity AC/10','HVAC/10'   ,36,14.0, 6,10,7,0, 6,12,20,158,230000.0, 515,0,255,'10'      ,'','','','','','');

-- Clan ballistic weapons, identifiers 400 to 499
INSERT INTO WepTable VALUES(400,400,250,'Gauss Rifle'           ,'Gauss'     ,56,12.0, 6,15,1,2, 7,15,22,321,300000.0,2563,0,255,'15' ,'','','','','','');
INSERT INTO WepTable VALUES(401,401,251,'LB 2-X AC'             ,'LB2-X'     ,56, 5.0, 3, 2,1,4,10,20,30, 47,150000.0, 771,0,255,'2'  ,'','','','','','');
INSERT INTO WepTable VALUES(402,402,252,'LB 5-X AC'             ,'LB5-X'     ,56, 7.0, 4, 5,1,3, 8,15,24, 93,250000.0, 771,0,255,'5'  ,'','','','','','');
INSERT INTO WepTable VALUES(403,403,253,'LB 10-X AC'            ,'LB10-X'    ,56,10.0, 5,10,2,0, 6,12,18,148,400000.0, 771,0,255,'10' ,'','','','','','');
INSERT INTO WepTable VALUES(404,404,254,'LB 20-X AC'            ,'LB20-X'    ,56,12.0, 9,20,6,0, 4, 8,12,237,600000.0, 775,0,255,'20' ,'','','','','','');
INSERT INTO WepTable VALUES(405,405,255,'Ultra AC/2'            ,'UltraAC/2' ,56, 5.0, 2, 2,1,2, 9,18,27, 62,120000.0, 579,0,255,'2'  ,'','','','','','');
INSERT INTO WepTable VALUES(406,406,256,'Ultra AC/5'            ,'UltraAC/5' ,56, 7.0, 3, 5,1,0, 7,14,21,122,200000.0, 579,0,255,'5'  ,'','','','','','');
INSERT INTO WepTable VALUES(407,407,257,'Ultra AC/10'           ,'UltraAC/10',56,10.0, 4,10,3,0, 6,12,18,210,320000.0, 579,0,255,'10' ,'','','','','','');
INSERT INTO WepTable VALUES(408,408,258,'Ultra AC/20'           ,'UltraAC/20',56,12.0, 8,20,7,0, 4, 8,12,335,480000.0, 583,0,255,'20' ,'','','','','','');
INSERT INTO WepTable VALUES(409,409,259,'Machine Gun'           ,'MG'        ,56,0.25, 1, 2,0,0, 1, 2, 3,  5,  5000.0, 515,0,255,'2'  ,'','','','','','');
INSERT INTO WepTable VALUES(410,410,260,'Light Machine Gun'     ,'LightMG'   ,56,0.25, 1, 1,0,0, 2, 4, 6,  5,  5000.0, 515,0,255,'1'  ,'','','','','','');
INSERT INTO WepTable VALUES(411,411,261,'Heavy Machine Gun'     ,'HeavyMG'   ,56, 0.5, 1, 3,0,0, 1, 2, 2,  6,  7500.0, 515,0,255,'3'  ,'','','','','','');
INSERT INTO WepTable VALUES(412,412,262,'AP Gauss Rifle'        ,'APGauss'   ,56, 0.5, 1, 3,1,0, 3, 6, 9, 21, 10000.0,2563,0,255,'3'  ,'','','','','','');
INSERT INTO WepTable VALUES(413,413,263,'Hyper-Assault Gauss 20','HAG20'     ,56,10.0, 6,20,4,2, 8,16,24,267,400000.0,2563,0,255,'20C','','','','','','');
INSERT INTO WepTable VALUES(414,414,264,'Hyper-Assault Gauss 30','HAG30'     ,56,13.0, 8,30,6,2, 8,16,24,401,500000.0,2567,0,255,'30C','','','','','','');
INSERT INTO WepTable VALUES(415,415,265,'Hyper-Assault Gauss 40','HAG40'     ,56,16.0,10,40,8,2, 8,16,24,535,600000.0,2567,0,255,'40C','','','','','','');
